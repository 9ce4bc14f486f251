#pragma once
// One launcher entry and the fixed table of them.
#include <array>
#include <cstdint>
#include <string>

namespace corvane {

struct Entry {
    std::string path;
    std::string iconPath;
    std::string parameters;
    std::string description;
    bool autoStart = false;
    std::int32_t startMode = 0;
    // The entry's tray icon identifier, handed out afresh at every start.
    std::int32_t iconId = 0;
    // Started with the shell's "runas" verb, which asks for elevation.
    bool runAsAdmin = false;

    bool operator==(const Entry&) const = default;
};

inline constexpr std::int32_t kMaxEntries = 20;
inline constexpr std::int32_t kFirstIconId = 1000;

// Slots 0..Count()-1 are in use without gaps. Every editing route keeps that
// rule through these operations.
class EntryTable {
public:
    int Count() const { return count_; }
    bool Full() const { return count_ >= kMaxEntries; }
    bool IsUsed(int slot) const { return slot >= 0 && slot < count_; }
    // Slot 0..19; a slot not in use reads as an empty entry.
    const Entry& At(int slot) const { return slots_.at(static_cast<std::size_t>(slot)); }
    // The identifier the next appended entry gets.
    std::int32_t NextIconId() const { return nextIconId_; }

    // Puts the entry into the first free slot with the next identifier.
    // Returns the slot, or -1 when 20 entries are in use already.
    int Append(Entry entry);
    // Removes slot k; later entries move down one slot keeping their icon ids.
    void Delete(int k);
    // Replaces the stored fields of slot k; its icon id stays.
    void Modify(int k, const Entry& fields);
    // The used slot whose icon id is id, or -1.
    int FindByIconId(std::int32_t id) const;
    // Moves slot from's entry to slot to; the entries between shift one slot
    // towards from. False when either slot is not in use.
    bool Move(int from, int to);

    // The store's side: the slot that held this slot's entry when the table
    // and the store last agreed (a load or a save), or -1 for an entry added
    // since; and how many entries the store held then.
    int StoredSlot(int slot) const { return stored_.at(static_cast<std::size_t>(slot)); }
    int StoredCount() const { return storedCount_; }
    // The table and the store agree now: every entry is at its stored slot.
    void MarkStored();

private:
    static std::array<int, kMaxEntries + 1> Unstored() {
        std::array<int, kMaxEntries + 1> slots{};
        slots.fill(-1);
        return slots;
    }

    // One more than can be used: the slot past the last used one is always
    // empty, and deleting copies it down.
    std::array<Entry, kMaxEntries + 1> slots_{};
    std::array<int, kMaxEntries + 1> stored_ = Unstored();
    int count_ = 0;
    int storedCount_ = 0;
    std::int32_t nextIconId_ = kFirstIconId;
};

} // namespace corvane
