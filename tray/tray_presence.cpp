#include "tray/tray_presence.h"

#include "core/text.h"
#include "tray/tray_icons.h"

namespace corvane {

void TrayPresence::AddMainIcon() {
    // The resource icon is shared for the run; the tray keeps its own copy.
    TrayAddIcon(shellIcons_, kMainIconId, owner_, system_.LoadIconResource("MAINICON"),
                kMainIconTip);
}

void TrayPresence::RemoveMainIcon() {
    TrayDeleteIcon(shellIcons_, kMainIconId, owner_);
}

void TrayPresence::AddEntryIcon(const Entry& entry, std::int32_t id) {
    const ScopedIcon icon(shellIcons_, GetFileIconHandle(shellIcons_, entry.IconPath));
    TrayAddIcon(shellIcons_, id, owner_, icon.get(), CutTo(entry.ToolTip, kShellTextMax));
}

void TrayPresence::ModifyEntryIcon(const Entry& entry, IconRef icon) {
    TrayModifyIcon(shellIcons_, entry.IconId, owner_, icon, CutTo(entry.ToolTip, kShellTextMax));
}

void TrayPresence::RemoveEntryIcon(std::int32_t id) {
    TrayDeleteIcon(shellIcons_, id, owner_);
}

void TrayPresence::RemoveEntryIcons(const EntryTable& table) {
    for (int i = 0; i < table.Count(); ++i)
        RemoveEntryIcon(table.At(i).IconId);
}

void TrayPresence::Restore(const EntryTable& table, bool popUp) {
    if (popUp) {
        AddMainIcon();
        return;
    }
    for (int i = 0; i < table.Count(); ++i)
        AddEntryIcon(table.At(i), table.At(i).IconId);
}

} // namespace corvane
