#include "core/entry.h"

namespace corvane {

int EntryTable::Append(Entry entry) {
    if (Full())
        return -1;
    const int slot = count_;
    entry.IconId = nextIconId_++;
    slots_[static_cast<std::size_t>(slot)] = std::move(entry);
    ++count_;
    return slot;
}

void EntryTable::Delete(int k) {
    if (!IsUsed(k))
        return;
    // The last copy brings the empty record past the last used slot down.
    for (int j = k; j < count_; ++j)
        slots_[static_cast<std::size_t>(j)] = slots_[static_cast<std::size_t>(j + 1)];
    --count_;
}

void EntryTable::Modify(int k, const Entry& fields) {
    if (!IsUsed(k))
        return;
    Entry& slot = slots_[static_cast<std::size_t>(k)];
    const std::int32_t id = slot.IconId;
    slot = fields;
    slot.IconId = id;
}

int EntryTable::FindByIconId(std::int32_t id) const {
    for (int i = 0; i < count_; ++i)
        if (slots_[static_cast<std::size_t>(i)].IconId == id)
            return i;
    return -1;
}

} // namespace corvane
