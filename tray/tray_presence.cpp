// The program's icons in the tray: the main icon of pop-up mode or one icon
// per entry, added at start, shown again when the tray restarts, removed at
// the end.
#include "core/text.h"
#include "ui/corvane.h"

namespace corvane {

void TForm1::AddMainTrayIcon() {
    // The resource icon is shared for the run; the tray keeps its own copy.
    TrayAddIcon(env_.shellIcons, kMainIconId, env_.view.Handle(),
                env_.system.LoadIconResource("MAINICON"), kMainIconTip);
}

void TForm1::AddEntryTrayIcon(const ListType& entry, std::int32_t id) {
    const ScopedIcon icon(env_.shellIcons, GetFileIconHandle(env_.shellIcons, entry.IconPath));
    TrayAddIcon(env_.shellIcons, id, env_.view.Handle(), icon.get(),
                CutTo(entry.ToolTip, kShellTextMax));
}

void TForm1::RemoveEntryTrayIcons() {
    const WindowRef self = env_.view.Handle();
    for (int i = 0; i < Entries.IconCount; ++i)
        TrayDeleteIcon(env_.shellIcons, Entries.Icons[static_cast<std::size_t>(i)].IconId, self);
}

void TForm1::RestoreTrayIcons() {
    if (PopUpIt) {
        AddMainTrayIcon();
        return;
    }
    for (int i = 0; i < Entries.IconCount; ++i) {
        const ListType& entry = Entries.Icons[static_cast<std::size_t>(i)];
        AddEntryTrayIcon(entry, entry.IconId);
    }
}

} // namespace corvane
