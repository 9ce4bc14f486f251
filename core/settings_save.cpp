// A save of the whole table, in an order that a save cut short loses no entry
// in, and that a failed write undoes.
#include "core/settings_store.h"
#include "core/store_layout.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace corvane {
namespace {

SettingsKey OpenSettings(RegistryApi& api) {
    return SettingsKey::OpenForWriting(api, api.CurrentUser(), SettingsPath());
}

void RemoveEntryKeys(RegistryApi& api, int from) {
    for (int slot = from; slot < kMaxEntries; ++slot)
        api.DeleteKey(api.CurrentUser(), EntryPath(slot));
}

// A moving entry stands in for no slot any more, and its key goes.
WriteFailure DropMovingEntry(RegistryApi& api) {
    if (!SettingsKey::Exists(api, api.CurrentUser(), MovingEntryPath()))
        return {};
    {
        SettingsKey moving = SettingsKey::OpenForWriting(api, api.CurrentUser(), MovingEntryPath());
        if (!moving.SetNumber(kValMovingSlot, -1))
            return moving.WriteFailure();
    }
    api.DeleteKey(api.CurrentUser(), MovingEntryPath());
    return {};
}

// A save cut short may have left an entry standing in for a slot, which the
// load read in its place: it goes into that slot, as the table holds it.
WriteFailure SettleMovingEntry(RegistryApi& api, int stored) {
    std::int32_t slot = -1;
    Entry entry;
    {
        const SettingsKey moving =
            SettingsKey::OpenForReading(api, api.CurrentUser(), MovingEntryPath());
        if (!moving.IsOpen())
            return {};
        entry = ReadEntryValues(moving);
        // Written last: without it the entry never stood in.
        slot = moving.Number(kValMovingSlot, -1);
    }
    if (slot >= 0 && slot < stored) {
        SettingsKey key = SettingsKey::OpenForWriting(api, api.CurrentUser(), EntryPath(slot));
        WriteEntryValues(key, entry);
        if (key.WriteFailure())
            return key.WriteFailure();
    }
    return DropMovingEntry(api);
}

WriteFailure WriteCount(RegistryApi& api, int count) {
    SettingsKey settings = OpenSettings(api);
    settings.SetNumber(kValIconCount, count);
    return settings.WriteFailure();
}

// The save of a table that is not empty. Each step is false once a write
// failed, which Failure() then names.
class TableSave {
public:
    TableSave(RegistryApi& api, const EntryTable& table)
        : api_(api), table_(table), stored_(table.StoredCount()) {}

    bool WriteAll(const Options& options) {
        const int count = table_.Count();
        // Slots past the stored count hold nothing that is read. When a
        // stored entry moved there, they are counted before its old slot is
        // written over.
        bool movedPast = false;
        for (int slot = stored_; slot < count; ++slot) {
            if (!Write(slot))
                return false;
            movedPast = movedPast || table_.StoredSlot(slot) >= 0;
        }
        if (movedPast && !Landed(WriteCount(api_, count)))
            return false;
        counted_ = movedPast;
        if (!WriteInPlace(std::min(stored_, count)))
            return false;
        SettingsKey settings = OpenSettings(api_);
        WriteOptionValues(settings, options);
        settings.SetNumber(kValIconCount, count);
        return Landed(settings.WriteFailure());
    }

    // After a failed write: puts back what the save overwrote, latest first,
    // then lets go of a moving entry (best effort: a slot that cannot be
    // written stops it), and a count written ahead goes back.
    void Undo() {
        if (PutBack())
            DropMovingEntry(api_);
        if (counted_)
            WriteCount(api_, stored_);
    }

    const WriteFailure& Failure() const { return failure_; }

private:
    bool Landed(const WriteFailure& failure) {
        failure_ = failure;
        return !failure_;
    }

    bool PutBack() {
        for (auto it = kept_.rbegin(); it != kept_.rend(); ++it) {
            SettingsKey key =
                SettingsKey::OpenForWriting(api_, api_.CurrentUser(), EntryPath(it->first));
            WriteEntryValues(key, it->second);
            if (key.WriteFailure())
                return false;
        }
        return true;
    }

    // Writes slot's entry, keeping what the slot held.
    bool Write(int slot) {
        SettingsKey key = SettingsKey::OpenForWriting(api_, api_.CurrentUser(), EntryPath(slot));
        // A slot that cannot be opened is neither read nor written (its first
        // write fails), so nothing is put back into it.
        if (key.IsOpen())
            kept_.emplace_back(slot, ReadEntryValues(key));
        WriteEntryValues(key, table_.At(slot));
        return Landed(key.WriteFailure());
    }

    // Slots 0..shared-1 of the store, each of which receives an entry: an
    // entry's old slot is written over only once the entry is written at its
    // new slot or waits in the moving-entry key.
    bool WriteInPlace(int shared) {
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
                if (!Write(next))
                    return false;
                done[static_cast<std::size_t>(next)] = true;
                --left;
                continue;
            }
            // Only rings of entries that take one another's slots are left.
            const auto first = std::find(done.begin(), done.end(), false);
            if (!TurnRing(static_cast<int>(first - done.begin()), done, left))
                return false;
        }
        return true;
    }

    // The ring through first: its entry waits in the moving-entry key while
    // each slot of the ring takes its new entry, the key naming the slot whose
    // stored entry is a stale copy, until the waiting entry reaches its slot.
    bool TurnRing(int first, std::vector<bool>& done, int& left) {
        Entry waiting;
        {
            const SettingsKey key =
                SettingsKey::OpenForWriting(api_, api_.CurrentUser(), EntryPath(first));
            waiting = ReadEntryValues(key);
        }
        {
            SettingsKey moving =
                SettingsKey::OpenForWriting(api_, api_.CurrentUser(), MovingEntryPath());
            WriteEntryValues(moving, waiting);
            moving.SetNumber(kValMovingSlot, first); // last: only a whole entry stands in
            if (!Landed(moving.WriteFailure()))
                return false;
        }
        for (int slot = first;;) {
            if (!Write(slot))
                return false;
            done[static_cast<std::size_t>(slot)] = true;
            --left;
            const int from = table_.StoredSlot(slot);
            if (from == first)
                break;
            SettingsKey moving =
                SettingsKey::OpenForWriting(api_, api_.CurrentUser(), MovingEntryPath());
            if (!moving.SetNumber(kValMovingSlot, from))
                return Landed(moving.WriteFailure());
            slot = from;
        }
        return Landed(DropMovingEntry(api_));
    }

    RegistryApi& api_;
    const EntryTable& table_;
    const int stored_;
    bool counted_ = false;
    std::vector<std::pair<int, Entry>> kept_; // slot and what it held, in the order written
    WriteFailure failure_;
};

} // namespace

WriteFailure SettingsStore::Save(const Options& options, const EntryTable& table) {
    return Lasting(WriteTable(options, table));
}

WriteFailure SettingsStore::WriteTable(const Options& options, const EntryTable& table) {
    if (table.Count() == 0) {
        // The count first: a load takes a stored 0 at its word, while a count
        // over entry subkeys that are gone would leave entries unread.
        {
            SettingsKey settings = OpenSettings(api_);
            WriteOptionValues(settings, options);
            settings.SetNumber(kValIconCount, 0);
            if (settings.WriteFailure())
                return settings.WriteFailure();
        }
        if (WriteFailure failure = DropMovingEntry(api_))
            return failure;
        RemoveEntryKeys(api_, 0);
        return {};
    }
    if (WriteFailure failure = SettleMovingEntry(api_, table.StoredCount()))
        return failure;
    TableSave save(api_, table);
    if (!save.WriteAll(options)) {
        save.Undo();
        return save.Failure();
    }
    RemoveEntryKeys(api_, table.Count());
    return {};
}

} // namespace corvane
