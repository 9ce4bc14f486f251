#pragma once
// The program's parts made on a platform's services (the Win32 ones in the
// program, doubles in the tests), and the launcher that composes them.
#include "app/launcher.h"
#include "core/registry_api.h"
#include "core/settings_file_api.h"
#include "core/shell_api.h"
#include "core/system_api.h"
#include "shell/file_system_api.h"
#include "shell/link_loader.h"
#include "shell/shown_folder_api.h"
#include "tray/menu_api.h"
#include "tray/tray_icons.h"
#include "ui/dropped_files.h"
#include "ui/form_view.h"
#include "ui/open_dialog.h"

namespace corvane {

// The services the parts work through.
struct Platform {
    RegistryApi& registry;
    // The settings file beside the program, which makes a copy portable.
    SettingsFileApi& settingsFile;
    ShellApi& shell;
    TrayIcons& trayIcons;
    FileIcons& fileIcons;
    MenuApi& menus;
    FormView& view;
    SystemApi& system;
    HookLibrary& hook;
    FileDialogApi& dialogs;
    DropApi& drops;
    // What the shortcut reader reads through.
    LinkLoader& links;
    FileSystemApi& files;
    // Which folder an Explorer window shows.
    ShownFolderApi& folders;
};

class Program {
public:
    explicit Program(const Platform& platform);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // What answers the tray window's and the options window's events.
    Launcher& Events() { return launcher_; }

private:
    // Made in this order, and gone in the reverse: the launcher first, the
    // tray icons after the menu, the table last.
    EntryTable table_;
    SettingsHome settingsHome_;
    SettingsStore store_;
    TrayPresence tray_;
    PopupMenu menu_;
    ExplorerTracker explorer_;
    Starter starter_;
    EntryEditor editor_;
    GlobalHotKey hotKey_;
    SettingsFiles settingsFiles_;
    Launcher launcher_;
};

} // namespace corvane
