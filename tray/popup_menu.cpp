// Building the pop-up launcher menu.
#include "tray/popup_menu.h"
#include "ui/corvane.h"

namespace corvane {

void TForm1::RebuildPopupMenu() {
    MenuApi& menus = env_.menus;
    menus.DestroyMenu(MenuHandle);
    MenuHandle = menus.CreatePopupMenu();
    if (PopUpIt) {
        // Rows carry no data: they are measured and drawn from the table.
        for (int i = 0; i < Entries.IconCount; ++i)
            menus.AppendOwnerDraw(MenuHandle, static_cast<std::uint32_t>(i), nullptr);
        menus.AppendSeparator(MenuHandle);
    }
    menus.AppendOwnerDraw(MenuHandle, kCmdPathRecall, "PathRecall");
    menus.AppendString(MenuHandle, kCmdOptions, "Options...");
    menus.AppendString(MenuHandle, kCmdHelp, "Help");
    menus.AppendString(MenuHandle, kCmdExit, "Exit Corvane");
}

} // namespace corvane
