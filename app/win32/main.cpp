// The program entry: the tray window, the options window (made when first
// shown), the launcher behind them, and the message loop. Every way out ends
// with exit code 0.
#include "app/program.h"
#include "app/win32/first_copy_win32.h"
#include "core/settings_file.h"
#include "core/text.h"
#include "core/win32/registry_win32.h"
#include "core/win32/settings_file_win32.h"
#include "core/win32/shell_win32.h"
#include "core/win32/system_win32.h"
#include "shell/win32/com_link_loader.h"
#include "shell/win32/file_system_win32.h"
#include "shell/win32/kestrel_hook.h"
#include "shell/win32/shell_windows_folders.h"
#include "tray/win32/menus_win32.h"
#include "tray/win32/tray_icons_win32.h"
#include "tray/win32/tray_window.h"
#include "ui/win32/drops_win32.h"
#include "ui/win32/file_dialog_win32.h"
#include "ui/win32/options_window.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#if defined(__GLIBCXX__)
#include <cxxabi.h>

// An exception that no handler takes ends the run at once, as it would anyway. The library's
// own handler first writes the exception's type to the standard error, which a windowed program
// has not, and brings a name demangler of 45 KiB into the file.
void __gnu_cxx::__verbose_terminate_handler() {
    std::abort();
}
#endif

using namespace corvane;
using namespace corvane::win32;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Held to the end of the run. A second start has shown the running
    // copy's options window: it ends before it starts or shows anything.
    Win32FirstCopy firstCopy;
    if (!RunAsFirstCopy(firstCopy))
        return 0;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Registry registry;
    Win32System system;
    // A settings file beside the program makes this copy portable.
    Win32SettingsFile settingsFile(FolderPart(system.ProgramPath()) + kSettingsFileName);
    Win32Shell shell;
    Win32TrayIcons trayIcons;
    Win32FileIcons fileIcons;
    Win32Menus menus;
    KestrelHook hook;
    Win32FileDialogs dialogs;
    Win32Drops drops;
    ComLinkLoader links;
    Win32FileSystem files;
    ShellWindowsFolders folders;

    TrayWindow tray;
    if (!tray.Create())
        return 0;
    OptionsWindow options(tray);

    Program program(Platform{registry, settingsFile, shell, trayIcons, fileIcons, menus, options,
                             system, hook, dialogs, drops, links, files, folders});
    Launcher& launcher = program.Events();
    tray.Attach(&launcher);
    options.Attach(&launcher);
    // A made options window stands minimized until the start-up timer has run.
    Guarded(tray.hwnd(), [&] { launcher.OnCreate(); });

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (options.PreTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    options.Attach(nullptr);
    tray.Attach(nullptr);
    return 0;
}
