#pragma once
// The launcher: it composes the program's parts and answers the tray
// window's and the options window's events with them. It holds the options
// in force and what a run that could not read every entry may not change.
//
// Which file holds what:
//   app/startup.cpp   start-up, the start-up timer, saving and every way out
//   app/launcher.cpp  tray clicks, menu commands, the hot key, the options
//                     page, Explorer
//   app/editing.cpp   the editor's buttons, files dropped on the window, and
//                     Export and Import of the settings
//   app/program.h     the parts made on a platform's services
//   core/             entries, launching, the settings store
//   tray/             tray icons, the click rule, the menu and its drawing
//   shell/            the chosen shortcut, Explorer folder tracking, starting
//   ui/               the options window as the logic sees it, the editor,
//                     the hot key, the settings files
#include "core/entry.h"
#include "core/settings_home.h"
#include "core/settings_store.h"
#include "shell/explorer_tracking.h"
#include "shell/starter.h"
#include "tray/popup_menu.h"
#include "tray/tray_presence.h"
#include "tray/tray_window_events.h"
#include "ui/entry_editor.h"
#include "ui/form_view.h"
#include "ui/global_hot_key.h"
#include "ui/settings_files.h"
#include "ui/window_events.h"

#include <optional>
#include <string>

namespace corvane {

// The parts the launcher composes, made before it and kept while it lives.
struct LauncherParts {
    // The entries: the menu shows them as they stand.
    EntryTable& table;
    // Where the settings live, which the store works on.
    SettingsHome& settingsHome;
    SettingsStore& store;
    TrayPresence& tray;
    PopupMenu& menu;
    ExplorerTracker& explorer;
    Starter& starter;
    EntryEditor& editor;
    GlobalHotKey& hotKey;
    SettingsFiles& settingsFiles;
    FormView& view;
};

class Launcher : public TrayWindowEvents, public OptionsWindowEvents {
public:
    explicit Launcher(const LauncherParts& parts);
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
    // Finds where the settings live, says what the user must hear of it, and
    // asks whether a portable copy's empty file takes the registry's entries.
    void OpenSettings();
    // The entries marked start, then the table takes them all.
    void LoadEntries(const StoreContents& stored);
    // The tray icons and the menu's rows follow the table as it stands:
    // the one step after any change of it.
    void FollowTable();
    // The options in force and shown: the record a save stores, the size of
    // the menu's icons, and the boxes of the "Options" page. The click rule
    // is in force at once; the pop-up mode from the next start.
    void ApplyOptions(const Options& options);
    // The small icons chosen: stored at once.
    void StoreSmallIcons();
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
    // Starts the entry in slot, or with Shift held shows its file in its
    // folder.
    void LaunchSlot(int slot, int showCommand);
    // Starts the entry, or tells why it cannot start.
    void Launch(const Entry& entry, int showCommand);

    EntryTable& table_;
    SettingsHome& settingsHome_;
    SettingsStore& store_;
    TrayPresence& tray_;
    PopupMenu& menu_;
    ExplorerTracker& explorer_;
    Starter& starter_;
    EntryEditor& editor_;
    GlobalHotKey& hotKey_;
    SettingsFiles& settingsFiles_;
    FormView& view_;
    // The options as the boxes say them, what a save stores.
    Options options_;
    // The read failure of an entry subkey below the count that is missing or
    // could not be opened: the subkeys from there on were never read, so this
    // run changes no entry and no save of it touches an entry subkey or the
    // count.
    std::optional<std::string> unreadEntry_;
    // Ticks of the timer that adds refused tray icons again.
    int trayRetries_ = 0;
};

} // namespace corvane
