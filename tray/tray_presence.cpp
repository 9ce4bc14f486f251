#include "tray/tray_presence.h"

#include "core/environment.h"

#include <algorithm>

namespace corvane {

// In pop-up mode the entries have no icons, and an entry's identifier may
// equal the main icon's: only the main icon is wanted there.
std::vector<TrayPresence::Icon> TrayPresence::Wanted(const EntryTable& table) const {
    if (popUp_)
        return {Icon{kMainIconId, "", kMainIconTip}};
    std::vector<Icon> wanted;
    for (int i = 0; i < table.Count(); ++i) {
        const Entry& entry = table.At(i);
        // An entry's tray icon is the small icon of its icon path.
        wanted.push_back(
            {entry.iconId, ExpandVariables(system_, entry.iconPath), entry.description});
    }
    return wanted;
}

void TrayPresence::Show(const Icon& icon) {
    const bool taken = popUp_ ? icons_.ShowProgramIcon(icon.id, icon.tip)
                              : icons_.Show(icon.id, icon.file, icon.tip);
    if (taken)
        refused_.erase(icon.id);
    else
        refused_.insert(icon.id);
}

void TrayPresence::Remove(int id) {
    icons_.Remove(id);
    refused_.erase(id);
    std::erase_if(placed_, [id](const Icon& icon) { return icon.id == id; });
}

bool TrayPresence::IsPlaced(int id) const {
    return std::any_of(placed_.begin(), placed_.end(), [id](const Icon& i) { return i.id == id; });
}

void TrayPresence::Sync(const EntryTable& table) {
    const std::vector<Icon> wanted = Wanted(table);
    std::vector<int> gone;
    for (const Icon& icon : placed_)
        if (std::none_of(wanted.begin(), wanted.end(),
                         [&](const Icon& w) { return w.id == icon.id; }))
            gone.push_back(icon.id);
    for (const int id : gone)
        Remove(id);
    // Every icon placed is wanted now: the first one out of place and those
    // after it go, to come back in the table's order.
    std::size_t inPlace = 0;
    while (inPlace < placed_.size() && placed_[inPlace].id == wanted[inPlace].id)
        ++inPlace;
    for (std::size_t i = inPlace; i < wanted.size(); ++i)
        if (IsPlaced(wanted[i].id))
            Remove(wanted[i].id);
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (i < inPlace && placed_[i] == wanted[i])
            continue;
        if (i < inPlace)
            placed_[i] = wanted[i];
        else
            placed_.push_back(wanted[i]);
        Show(wanted[i]);
    }
}

void TrayPresence::Restore() {
    for (const Icon& icon : placed_)
        Show(icon);
}

void TrayPresence::RetryRefused() {
    for (const Icon& icon : placed_)
        if (refused_.count(icon.id) != 0)
            Show(icon);
}

void TrayPresence::RemoveAll() {
    while (!placed_.empty())
        Remove(placed_.front().id);
}

void TrayPresence::ReturnFocus(int id) {
    if (IsPlaced(id) && !refused_.contains(id))
        icons_.ReturnFocus(id);
}

} // namespace corvane
