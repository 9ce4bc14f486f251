// The tray callback: every mouse event over one of the program's tray icons.
#include "tray/tray_notify.h"

#include "core/launch.h"
#include "core/show_commands.h"
#include "ui/corvane.h"

namespace corvane {

void TForm1::WMTrayNotify(std::uint32_t id, std::uint32_t mouseMessage) {
    switch (mouseMessage) {
    case kWmLButtonDown:
    case kWmLButtonDblClk: {
        if (!IsLaunchClick(SingleClick, mouseMessage))
            return;
        if (PopUpIt) {
            ShowPopupMenu();
            return;
        }
        // From its own icon an entry opens visibly, whatever its start mode.
        const int slot = Entries.FindByIconId(static_cast<std::int32_t>(id));
        if (slot >= 0)
            LaunchEntry(env_.shell, env_.view.Handle(),
                        Entries.Icons[static_cast<std::size_t>(slot)], kSwShow);
        return;
    }
    case kWmRButtonDown:
        ShowPopupMenu();
        return;
    default:
        return;
    }
}

void TForm1::ShowPopupMenu() {
    const WindowRef self = env_.view.Handle();
    int x = 0;
    int y = 0;
    env_.menus.CursorPos(x, y);
    // The menu closes properly when the user clicks elsewhere only if the
    // program is in the foreground.
    env_.view.ForegroundApplicationWindow();
    env_.menus.DispatchWaitingMessages();
    // The handlers just run may have rebuilt the menu, or destroyed it on the
    // way out: take the menu as it stands now.
    if (MenuHandle == MenuRef::None)
        return;
    env_.menus.TrackPopupMenu(MenuHandle, kTpmRightAlign, x, y, self);
    env_.menus.PostNull(self);
}

} // namespace corvane
