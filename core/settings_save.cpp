// A save of the whole table, in an order that a save cut short loses no entry
// in, and that a failed write undoes.
#include "core/settings_store.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace corvane {
namespace {

void RemoveEntryKeys(RegistryAccessor& reg, int from) {
    for (int slot = from; slot < kMaxEntries; ++slot)
        reg.DeleteKey(EntrySubkey(slot));
}

// A moving entry stands in for no slot any more, and its key goes.
void DropMovingEntry(RegistryAccessor& reg) {
    if (!reg.KeyExists(MovingEntrySubkey()))
        return;
    reg.OpenKey(MovingEntrySubkey(), true);
    reg.WriteInteger(kValMovingSlot, -1);
    reg.DeleteKey(MovingEntrySubkey());
}

// A save cut short may have left an entry standing in for a slot, which the
// load read in its place: it goes into that slot, as the table holds it.
void SettleMovingEntry(RegistryAccessor& reg, int stored) {
    if (!reg.OpenKey(MovingEntrySubkey(), false))
        return;
    const Entry moving = ReadEntryValues(reg);
    std::int32_t slot = -1;
    try {
        slot = reg.ReadInteger(kValMovingSlot);
    } catch (const ERegistryException&) {
        // Written last: without it the entry never stood in.
    }
    if (slot >= 0 && slot < stored) {
        reg.OpenKey(EntrySubkey(slot), true);
        WriteEntryValues(reg, moving);
    }
    DropMovingEntry(reg);
}

void WriteCount(RegistryAccessor& reg, int count) {
    reg.OpenKey(kSettingsKey, true);
    reg.WriteInteger(kValIconCount, count);
}

class Save {
public:
    Save(RegistryAccessor& reg, const EntryTable& table) : reg_(reg), table_(table) {}

    // Writes slot's entry, keeping what the slot held.
    void Write(int slot) {
        // A slot that cannot be opened is neither read nor written (its first
        // write throws), so nothing is put back into it.
        if (reg_.OpenKey(EntrySubkey(slot), true))
            kept_.emplace_back(slot, ReadEntryValues(reg_));
        WriteEntryValues(reg_, table_.At(slot));
    }

    // Slots 0..shared-1 of the store, each of which receives an entry: an
    // entry's old slot is written over only once the entry is written at its
    // new slot or waits in the moving-entry key.
    void WriteInPlace(int shared) {
        std::vector<int> dest(static_cast<std::size_t>(shared), -1);
        for (int slot = 0; slot < table_.Count(); ++slot)
            if (const int from = table_.StoredSlot(slot); from >= 0 && from < shared)
                dest[static_cast<std::size_t>(from)] = slot;
        std::vector<bool> done(static_cast<std::size_t>(shared), false);
        const auto free = [&](int slot) {
            const int to = dest[static_cast<std::size_t>(slot)];
            return to < 0 || to == slot || to >= shared || done[static_cast<std::size_t>(to)];
        };
        for (int left = shared; left > 0;) {
            int next = -1;
            for (int slot = 0; slot < shared && next < 0; ++slot)
                if (!done[static_cast<std::size_t>(slot)] && free(slot))
                    next = slot;
            if (next >= 0) {
                Write(next);
                done[static_cast<std::size_t>(next)] = true;
                --left;
                continue;
            }
            // Only rings of entries that take one another's slots are left.
            for (int slot = 0; slot < shared; ++slot)
                if (!done[static_cast<std::size_t>(slot)]) {
                    left -= TurnRing(slot, done);
                    break;
                }
        }
    }

    // A failed write: puts back what the save overwrote, latest first, and
    // then lets go of a moving entry. Best effort: a slot that cannot be
    // written stops it.
    void Undo() {
        try {
            for (auto it = kept_.rbegin(); it != kept_.rend(); ++it) {
                reg_.OpenKey(EntrySubkey(it->first), true);
                WriteEntryValues(reg_, it->second);
            }
            DropMovingEntry(reg_);
        } catch (const ERegistryException&) {
            // The store cannot be written now; the caller reports the first failure.
        }
    }

private:
    // The ring through first: its entry waits in the moving-entry key while
    // each slot of the ring takes its new entry, the key naming the slot whose
    // stored entry is a stale copy, until the waiting entry reaches its slot.
    int TurnRing(int first, std::vector<bool>& done) {
        reg_.OpenKey(EntrySubkey(first), true);
        const Entry waiting = ReadEntryValues(reg_);
        reg_.OpenKey(MovingEntrySubkey(), true);
        WriteEntryValues(reg_, waiting);
        reg_.WriteInteger(kValMovingSlot, first); // last: only a whole entry stands in
        int turned = 0;
        for (int slot = first;;) {
            Write(slot);
            done[static_cast<std::size_t>(slot)] = true;
            ++turned;
            const int from = table_.StoredSlot(slot);
            if (from == first)
                break;
            reg_.OpenKey(MovingEntrySubkey(), true);
            reg_.WriteInteger(kValMovingSlot, from);
            slot = from;
        }
        DropMovingEntry(reg_);
        return turned;
    }

    RegistryAccessor& reg_;
    const EntryTable& table_;
    std::vector<std::pair<int, Entry>> kept_; // slot and what it held, in the order written
};

} // namespace

void WriteSettings(RegistryAccessor& reg, const Options& options, const EntryTable& table) {
    const int count = table.Count();
    if (count == 0) {
        // The count first: a load takes a stored 0 at its word, while a count
        // over entry subkeys that are gone would leave entries unread.
        reg.OpenKey(kSettingsKey, true);
        WriteOptions(reg, options);
        reg.WriteInteger(kValIconCount, 0);
        DropMovingEntry(reg);
        RemoveEntryKeys(reg, 0);
        return;
    }
    const int stored = table.StoredCount();
    SettleMovingEntry(reg, stored);
    Save save(reg, table);
    bool counted = false;
    try {
        // Slots past the stored count hold nothing that is read. When a
        // stored entry moved there, they are counted before its old slot
        // is written over.
        bool movedPast = false;
        for (int slot = stored; slot < count; ++slot) {
            save.Write(slot);
            movedPast = movedPast || table.StoredSlot(slot) >= 0;
        }
        if (movedPast) {
            WriteCount(reg, count);
            counted = true;
        }
        save.WriteInPlace(std::min(stored, count));
        reg.OpenKey(kSettingsKey, true);
        WriteOptions(reg, options);
        reg.WriteInteger(kValIconCount, count);
    } catch (const ERegistryException&) {
        save.Undo();
        if (counted)
            try {
                WriteCount(reg, stored);
            } catch (const ERegistryException&) {
            }
        throw;
    }
    RemoveEntryKeys(reg, count);
}

} // namespace corvane
