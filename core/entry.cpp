#include "core/entry.h"

namespace corvane {

int EntryTable::Append(ListType entry) {
    if (Full())
        return -1;
    const int slot = IconCount;
    entry.IconId = NextIconId;
    Icons[static_cast<std::size_t>(slot)] = std::move(entry);
    ++IconCount;
    ++NextIconId;
    return slot;
}

void EntryTable::Delete(int k) {
    if (!IsUsed(k))
        return;
    // The last copy brings the empty record of slot IconCount down.
    for (int j = k; j < IconCount; ++j)
        Icons[static_cast<std::size_t>(j)] = Icons[static_cast<std::size_t>(j + 1)];
    --IconCount;
}

void EntryTable::Modify(int k, const ListType& fields) {
    if (!IsUsed(k))
        return;
    ListType& slot = Icons[static_cast<std::size_t>(k)];
    const std::int32_t id = slot.IconId;
    slot = fields;
    slot.IconId = id;
}

int EntryTable::FindByIconId(std::int32_t id) const {
    for (int i = 0; i < IconCount; ++i)
        if (Icons[static_cast<std::size_t>(i)].IconId == id)
            return i;
    return -1;
}

} // namespace corvane
