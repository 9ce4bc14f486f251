// The command chosen on the pop-up launcher menu.
#include "core/launch.h"
#include "tray/popup_menu.h"
#include "ui/corvane.h"

namespace corvane {

bool TForm1::WMCommand(std::uint32_t wParam, std::uintptr_t lParam) {
    // Notifications from the window's own controls carry the control.
    if (lParam != 0)
        return false;
    const std::uint32_t id = wParam & 0xFFFF;
    if (id < kEntryCommandEnd) {
        const int slot = static_cast<int>(id);
        // A row left over from a table that has since shrunk starts nothing.
        if (!Entries.IsUsed(slot))
            return false;
        const ListType& entry = Entries.Icons[id];
        LaunchEntry(env_.shell, env_.view.Handle(), entry, ShowCmds.For(entry.StartMode));
        return true;
    }
    switch (id) {
    case kCmdPathRecall:
        PathRecall();
        return true;
    case kCmdOptions:
        env_.view.ShowOptionsWindow();
        env_.view.RestoreApplicationWindow();
        return true;
    case kCmdExit:
        QuitApp();
        return true;
    case kCmdHelp:
        btnHelpClick();
        return true;
    default:
        return false;
    }
}

} // namespace corvane
