#include "tray/tray_presence.h"

#include "core/environment.h"
#include "tray/tray_icons.h"

namespace corvane {

void TrayPresence::Add(std::int32_t id, IconRef icon, const std::string& tip) {
    // A tray that announces a start may still hold the icon: it refuses the
    // add but takes the change, and the icon shows.
    if (TrayAddIcon(shellIcons_, id, owner_, icon, tip) ||
        TrayModifyIcon(shellIcons_, id, owner_, icon, tip))
        refused_.erase(id);
    else
        refused_.insert(id);
}

void TrayPresence::AddMainIcon() {
    // The resource icon is shared for the run; the tray keeps its own copy.
    Add(kMainIconId, system_.LoadIconResource("MAINICON"), kMainIconTip);
}

void TrayPresence::RemoveMainIcon() {
    TrayDeleteIcon(shellIcons_, kMainIconId, owner_);
}

ScopedIcon TrayPresence::SmallIconOf(const Entry& entry) {
    return ScopedIcon(
        shellIcons_,
        GetFileIconHandle(shellIcons_, ExpandVariables(system_, entry.IconPath), true));
}

void TrayPresence::AddEntryIcon(const Entry& entry, std::int32_t id) {
    Add(id, SmallIconOf(entry).get(), entry.ToolTip);
}

void TrayPresence::ModifyEntryIcon(const Entry& entry) {
    TrayModifyIcon(shellIcons_, entry.IconId, owner_, SmallIconOf(entry).get(), entry.ToolTip);
}

void TrayPresence::RemoveEntryIcon(std::int32_t id) {
    refused_.erase(id);
    TrayDeleteIcon(shellIcons_, id, owner_);
}

void TrayPresence::RemoveEntryIcons(const EntryTable& table) {
    for (int i = 0; i < table.Count(); ++i)
        RemoveEntryIcon(table.At(i).IconId);
}

// In pop-up mode the entries have no icons, and an entry's identifier may
// equal the main icon's: only the main icon is added again there.
void TrayPresence::AddAgain(const EntryTable& table, bool popUp, bool onlyRefused) {
    const auto wanted = [&](std::int32_t id) {
        return !onlyRefused || refused_.count(id) != 0;
    };
    if (popUp) {
        if (wanted(kMainIconId))
            AddMainIcon();
        return;
    }
    for (int i = 0; i < table.Count(); ++i)
        if (wanted(table.At(i).IconId))
            AddEntryIcon(table.At(i), table.At(i).IconId);
}

void TrayPresence::Restore(const EntryTable& table, bool popUp) {
    AddAgain(table, popUp, false);
}

void TrayPresence::RetryRefused(const EntryTable& table, bool popUp) {
    AddAgain(table, popUp, true);
}

bool TrayPresence::NoneShown(const EntryTable& table, bool popUp) const {
    const std::size_t icons = popUp ? 1 : static_cast<std::size_t>(table.Count());
    return refused_.size() == icons;
}

} // namespace corvane
