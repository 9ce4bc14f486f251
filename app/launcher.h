#pragma once
// The launcher: the one owner of a run's state. It composes the entry table,
// the settings store, the tray icons, the pop-up menu, the Explorer tracking
// and the entry editor, and answers the options window's events with them.
//
// Which file holds what:
//   app/startup.cpp   start-up, the start-up timer, saving and every way out
//   app/launcher.cpp  tray clicks, menu commands, the hot key, the options
//                     page, Explorer
//   app/editing.cpp   the editor's buttons and files dropped on the window
//   app/exchange.cpp  Export and Import of the settings
//   core/             entries, launching, the settings store
//   tray/             tray icons, the click rule, the menu and its drawing
//   shell/            the chosen shortcut, Explorer folder tracking
//   ui/               the options window as the logic sees it, the editor
#include "core/entry.h"
#include "core/registry_api.h"
#include "core/settings_store.h"
#include "core/shell_api.h"
#include "core/store_file.h"
#include "core/system_api.h"
#include "shell/explorer_tracking.h"
#include "tray/menu_api.h"
#include "tray/popup_menu.h"
#include "tray/tray_presence.h"
#include "tray/tray_window_events.h"
#include "ui/dropped_files.h"
#include "ui/entry_editor.h"
#include "ui/form_view.h"
#include "ui/window_events.h"

#include <optional>
#include <string>

namespace corvane {

inline constexpr const char* kRegFilter = "Registration Files (*.reg)|*.reg|All Files (*.*)|*.*";

// What the launcher works through.
struct Platform {
    RegistryApi& registry;
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

class Launcher : public TrayWindowEvents, public OptionsWindowEvents {
public:
    explicit Launcher(const Platform& platform);
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // The tray window exists: loads the store, starts what is marked, shows
    // the icons, and makes the options window unless the program starts in
    // the tray alone ("Hide on Startup" with entries).
    void OnCreate();
    void OnStartupTimer() override;
    void OnTrayRetryTimer() override;
    // The tray window's and the options window's close request alike.
    void OnClose() override;
    void OnDestroy() override;
    void OnEndSession() override;
    void OnDpiChanged() override;

    void OnMinimize() override;
    void OnHelp() override;
    void OnListClick() override;
    void OnPathChanged() override;
    void OnAdd() override;
    void OnDelete() override;
    void OnModify() override;
    void OnMoveUp() override;
    void OnMoveDown() override;
    void OnBrowse() override;
    void OnIconBrowse() override;
    void OnHideToggled(bool checked) override;
    void OnSingleClickToggled(bool checked) override;
    void OnPopUpToggled(bool checked) override;
    void OnSmallIconsToggled(bool checked) override;
    void OnExport() override;
    void OnImport() override;
    void OnHotKeyChanged() override;
    void OnHotKeyCleared() override;

    void OnTrayNotify(std::uint32_t id, std::uint32_t mouseMessage) override;
    void OnTrayRestarted() override;
    std::optional<Extent> OnMeasureItem(const DrawnItem& item, TextMeasure& measure) override;
    std::optional<RowPicture> OnDrawItem(const DrawnItem& item) override;
    MenuCharAnswer OnMenuChar(char16_t typed, MenuRef menu) override;
    void OnHotKey() override;
    void OnMenuCommand(std::uint32_t wParam) override;
    void OnExplorerWindow(WindowRef window, std::intptr_t code) override;
    void OnFilesDropped(DropRef drop) override;

private:
    enum class SaveOutcome { Saved, ProgramEnded, Failed };
    // Stores options and entries, then hides the program; with no entries it
    // ends the program instead (not when entries could not be read), and
    // with no icon in the tray it stays shown. A failed write is reported and
    // changes nothing else.
    SaveOutcome SaveSettings();
    // The menu's "Exit Corvane", "&Quit" and closing: saves, lets go of the
    // menu and the entries' tray icons, and ends the program. When the save
    // fails, the error is reported and the user may end without saving.
    void QuitApp();
    // The options always; the entries and their count only when every entry
    // was read.
    WriteFailure WriteStore();
    // When the load could not read every entry, says which one and that the
    // table stays as stored, and is true: every edit of the run is refused.
    bool TellEntriesReadOnly();
    // Each entry starts as it is added, before its icon and row.
    void LoadEntries(const StoreContents& stored);
    // The selected entry one slot up or down.
    void MoveEntry(int by);
    // The tray icons and the menu's rows follow the table as it stands.
    void FollowTable();
    // An import's options and entries in place of the table, its rows and
    // tray icons, and of the boxes; stored with the next save.
    void ReplaceTable(const StoreContents& contents);
    // A new last entry with its tray icon (none in pop-up mode) and its row.
    void AppendEntry(Entry entry);
    void ReadOptionsAfterLoad(const Options& stored);
    void ShowSmallIcons(bool small);
    // The small icons chosen: stored at once, and the menu rebuilt.
    void TakeSmallIcons(bool small);
    MenuOutcome ShowPopupMenu();
    // The options window in front, with the task-bar button; made first if
    // it was not.
    void ShowOptions();
    // Makes the options window and puts in what it shows, from the table,
    // the options and the hot key.
    void MakeOptionsWindow();
    // The boxes of the "Options" page as the options record says, if the
    // window is made.
    void ShowOptionBoxes();
    // The hot key held in its control, if the window is made.
    void ShowHotKey();
    // The stored hot key (nothing: none chosen, or damaged), registered; one that another program
    // holds now, or that types a character, is reported and left out of this run.
    void LoadHotKey(std::optional<std::uint16_t> stored);
    // Registers hotKey (0: none) in place of the one held. When another
    // program holds it, or it types a character on the keyboard, says so and
    // keeps the one held, in the control too, and is false.
    bool ChangeHotKey(std::uint16_t hotKey);
    // A hot key the user chose (or an import holds) registered and stored;
    // one without Ctrl or Alt, held by another program or typing a
    // character, changes nothing.
    void TakeHotKey(std::uint16_t wanted);
    // Starts the entry in slot, or with Shift held shows its file in its
    // folder.
    void LaunchSlot(int slot, int showCommand);
    // Starts the entry, or tells why it cannot start.
    void Launch(const Entry& entry, int showCommand);

    Platform env_;
    SettingsStore store_;
    EntryTable table_;
    // The options as the boxes say them, what a save stores. The click rule
    // is in force at once; the pop-up mode from the next start.
    Options options_;
    // The running mode, read at the start.
    bool popUp_ = false;
    // The hot key registered now (0: none), as "Hot Key" stores it.
    std::uint16_t hotKey_ = 0;
    // The read failure of an entry subkey below the count that is missing or
    // could not be opened: the subkeys from there on were never read, so this
    // run changes no entry and no save of it touches an entry subkey or the
    // count.
    std::optional<std::string> unreadEntry_;
    std::string programPath_;
    // Ticks of the timer that adds refused tray icons again.
    int trayRetries_ = 0;
    TrayPresence tray_;
    PopupMenu menu_;
    ExplorerTracker explorer_;
    EntryEditor editor_;
    OpenDialog exportDialog_{"Export Settings", kRegFilter, "reg", false, true};
    OpenDialog importDialog_{"Import Settings", kRegFilter, "reg", false};
};

} // namespace corvane
