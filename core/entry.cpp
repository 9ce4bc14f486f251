#include "core/entry.h"

#include <algorithm>

namespace corvane {

int EntryTable::Append(Entry entry) {
    if (Full())
        return -1;
    const int slot = count_;
    const auto free = [this](std::int32_t id) {
        return IsEntryIconId(id) && FindByIconId(id) < 0;
    };
    if (!free(entry.iconId)) {
        entry.iconId = kFirstIconId;
        while (!free(entry.iconId))
            ++entry.iconId;
    }
    slots_[static_cast<std::size_t>(slot)] = std::move(entry);
    stored_[static_cast<std::size_t>(slot)] = -1;
    ++count_;
    return slot;
}

void EntryTable::AppendAll(const std::vector<Entry>& entries) {
    std::array<bool, kMaxEntries> taken{};
    for (std::size_t i = 0; i < taken.size(); ++i)
        taken[i] = FindByIconId(kFirstIconId + static_cast<std::int32_t>(i)) >= 0;
    std::vector<std::int32_t> ids(entries.size(), 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::int32_t id = entries[i].iconId;
        if (IsEntryIconId(id) && !taken[static_cast<std::size_t>(id - kFirstIconId)]) {
            taken[static_cast<std::size_t>(id - kFirstIconId)] = true;
            ids[i] = id;
        }
    }
    for (std::size_t i = 0; i < entries.size() && !Full(); ++i) {
        Entry entry = entries[i];
        // The others take the lowest identifiers that no entry claims.
        entry.iconId = ids[i];
        if (entry.iconId == 0) {
            std::size_t free = 0;
            while (free < taken.size() && taken[free])
                ++free;
            if (free < taken.size()) {
                taken[free] = true;
                entry.iconId = kFirstIconId + static_cast<std::int32_t>(free);
            }
        }
        Append(std::move(entry));
    }
}

void EntryTable::Delete(int k) {
    if (!IsUsed(k))
        return;
    // The last copy brings the empty record past the last used slot down.
    for (int j = k; j < count_; ++j) {
        slots_[static_cast<std::size_t>(j)] = slots_[static_cast<std::size_t>(j + 1)];
        stored_[static_cast<std::size_t>(j)] = stored_[static_cast<std::size_t>(j + 1)];
    }
    --count_;
}

void EntryTable::Modify(int k, const Entry& fields) {
    if (!IsUsed(k))
        return;
    Entry& slot = slots_[static_cast<std::size_t>(k)];
    const std::int32_t id = slot.iconId;
    slot = fields;
    slot.iconId = id;
}

int EntryTable::FindByIconId(std::int32_t id) const {
    for (int i = 0; i < count_; ++i)
        if (slots_[static_cast<std::size_t>(i)].iconId == id)
            return i;
    return -1;
}

bool EntryTable::Move(int from, int to) {
    if (!IsUsed(from) || !IsUsed(to))
        return false;
    const auto rotate = [from, to](auto& slots) {
        const auto at = [&slots](int slot) {
            return slots.begin() + slot;
        };
        if (from < to)
            std::rotate(at(from), at(from + 1), at(to + 1));
        else
            std::rotate(at(to), at(from), at(from + 1));
    };
    rotate(slots_);
    rotate(stored_);
    return true;
}

void EntryTable::MarkStored() {
    stored_ = Unstored();
    for (int slot = 0; slot < count_; ++slot)
        stored_[static_cast<std::size_t>(slot)] = slot;
    storedCount_ = count_;
}

} // namespace corvane
