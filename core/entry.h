#pragma once
// One launcher entry and the fixed table of them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

struct Entry {
    std::string path;
    std::string iconPath;
    std::string parameters;
    std::string description;
    bool autoStart = false;
    std::int32_t startMode = 0;
    // The entry's tray icon identifier, kept from run to run (0: none yet).
    std::int32_t iconId = 0;
    // Started with the shell's "runas" verb, which asks for elevation.
    bool runAsAdmin = false;

    bool operator==(const Entry&) const = default;
};

inline constexpr std::int32_t kMaxEntries = 20;
// The entries' tray icon identifiers: kFirstIconId and the 19 after it.
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
    // Puts the entry into the first free slot. It keeps its icon identifier
    // when that is one of the entries' and no other entry has it; else it
    // gets the lowest one free. Returns the slot, or -1 when 20 entries are
    // in use already.
    int Append(Entry entry);
    // Appends the entries in their order, as many as fit. Each keeps its
    // icon identifier when that is one of the entries', no entry of the table
    // has it and no entry before it claims it; the others then get the lowest
    // ones free, so that entries stored without one get 1000 + their slot.
    void AppendAll(const std::vector<Entry>& entries);
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

    static bool IsEntryIconId(std::int32_t id) {
        return id >= kFirstIconId && id < kFirstIconId + kMaxEntries;
    }

    // One more than can be used: the slot past the last used one is always
    // empty, and deleting copies it down.
    std::array<Entry, kMaxEntries + 1> slots_{};
    std::array<int, kMaxEntries + 1> stored_ = Unstored();
    int count_ = 0;
    int storedCount_ = 0;
};

} // namespace corvane
