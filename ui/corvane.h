#pragma once
// TForm1, the options window: the program's main window and the owner of all
// its state. Its operations are spread over the folders of the subsystems
// they belong to; this header is the one place that lists them.
#include "app/system_api.h"
#include "core/entry.h"
#include "core/registry_accessor.h"
#include "core/shell_api.h"
#include "core/show_commands.h"
#include "tray/canvas.h"
#include "tray/menu_api.h"
#include "tray/owner_draw.h"
#include "tray/shell_icon_api.h"
#include "tray/tray_icons.h"
#include "ui/form_view.h"

#include <cstdint>
#include <string>

namespace corvane {

// What the options window works through.
struct Platform {
    RegistryApi& registry;
    ShellApi& shell;
    ShellIconApi& shellIcons;
    MenuApi& menus;
    FormView& view;
    SystemApi& system;
    HookLibrary& hook;
};

inline constexpr int kSmallItemHeight = 22;
inline constexpr int kLargeItemHeight = 38;

class TForm1 {
public:
    explicit TForm1(const Platform& platform);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // --- Start-up and shut-down -------------------------------------------
    void FormCreate();
    void Timer1Timer();
    // The menu's "Exit Corvane".
    void QuitApp();
    // "&Quit" and a close request from the system. A failed save throws, and
    // the window then stays open.
    void FormClose();
    void FormDestroy();
    // Windows is logging off or shutting down: keep every change, then end.
    void EndSession();

    // --- Settings store ---------------------------------------------------
    enum class SaveOutcome { Saved, ProgramEnded };
    // Stores options and entries, then hides the program; with no entries it
    // ends the program instead.
    SaveOutcome SaveSettings();

    // --- Entry list and editor --------------------------------------------
    void AddEntryRow(const std::string& caption, const std::string& iconPath, int index);
    void ListView1Click();
    void txtPathChange();

    // --- Options page and window buttons ----------------------------------
    void cbSingleClick();
    void cbPopUpClick();
    void cbSmallIconsClick();
    void btnOkayClick();
    void btnHelpClick();

    // --- Pop-up launcher menu ---------------------------------------------
    void RebuildPopupMenu();

    // --- Tray callback, owner-drawn menu rows, menu commands, Explorer -----
    // WM_TRAYNOTIFY: wParam is the tray icon's identifier, lParam the mouse
    // message. Launch clicks start the entry behind the icon (or open the
    // menu in pop-up mode); a right press opens the menu.
    void WMTrayNotify(std::uint32_t id, std::uint32_t mouseMessage);
    // Opens the menu at the cursor, after dispatching what is waiting.
    void ShowPopupMenu();
    // WM_MEASUREITEM / WM_DRAWITEM. True when answered (result 1); false
    // sends the request to the window's default handling.
    bool WMMeasureItem(Canvas& canvas, MeasureItemRequest& request);
    bool WMDrawItem(Canvas& canvas, const DrawItemRequest& request);
    // WM_COMMAND. True when a menu command was carried out; the message goes
    // on to the default command handling either way.
    bool WMCommand(std::uint32_t wParam, std::uintptr_t lParam);
    // WM_EXPLORERWINDOW: wParam the reported window, lParam the event code.
    void WMExplorerWindow(WindowRef window, std::intptr_t code);
    // Opens a new Explorer window on LastExploreDir.
    void PathRecall();
    // The shell's tray came back (it restarted): show every icon again.
    void RestoreTrayIcons();

    // --- State ------------------------------------------------------------
    EntryTable Entries;
    ShowCommandTable ShowCmds;
    bool PopUpIt = false;
    bool SingleClick = false;
    int ItemHeight = kLargeItemHeight;
    MenuRef MenuHandle = MenuRef::None;
    BitmapRef StripeBitmap = BitmapRef::None;
    std::string WindowsDir;
    std::string ExplorerPath;
    std::string ProgramPath;
    std::string LastExploreDir;

    RegistryAccessor& Registry() { return registry_; }
    const Platform& Env() const { return env_; }

private:
    // Writes options, "Icon Count" and every entry.
    void WriteSettings();
    void LoadEntries(int count);
    void ReadOptionsAfterLoad();
    void RemoveEntryTrayIcons();
    void AddMainTrayIcon();
    void AddEntryTrayIcon(const ListType& entry, std::int32_t id);
    void SetItemHeightFromSmallIcons(bool small);

    Platform env_;
    RegistryAccessor registry_;
    ScopedIcon previewIcon_;
};

} // namespace corvane
