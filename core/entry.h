#pragma once
// One launcher entry and the fixed table of them.
#include <array>
#include <cstdint>
#include <string>

namespace corvane {

struct ListType {
    std::string Path;
    std::string IconPath;
    std::string Params;
    std::string ToolTip;
    bool AutoStart = false;
    std::int32_t StartMode = 0;
    std::int32_t IconId = 0;

    bool operator==(const ListType&) const = default;
};

inline constexpr std::int32_t kMaxEntries = 20;
inline constexpr std::int32_t kSlotCount = kMaxEntries + 1;
inline constexpr std::int32_t kFirstIconId = 1000;

// Slots 0..IconCount-1 are used without gaps; every slot from IconCount to 20
// is an empty record, so slot IconCount always exists and is empty.
class EntryTable {
public:
    std::array<ListType, kSlotCount> Icons{};
    std::int32_t IconCount = 0;
    std::int32_t NextIconId = kFirstIconId;

    bool Full() const { return IconCount >= kMaxEntries; }

    // Puts the entry into slot IconCount with the next identifier. Returns the
    // slot, or -1 when 20 entries are in use already.
    int Append(ListType entry);

    // Removes slot k; later entries move down one slot keeping their IconIds.
    void Delete(int k);

    // Replaces the stored fields of slot k; its IconId stays.
    void Modify(int k, const ListType& fields);

    // The used slot whose IconId is id, or -1.
    int FindByIconId(std::int32_t id) const;

    bool IsUsed(int slot) const { return slot >= 0 && slot < IconCount; }
};

} // namespace corvane
