#pragma once
// Everything the tray window passes on to the program, one operation per
// message or timer: what the shell, the pop-up menu, the hot key, the hook
// library, other programs and the session send to the window that owns the
// tray icons. The Win32 layer calls these; the program (app/) implements
// them. An operation may throw: the window layer shows the error and the
// program runs on.
#include "core/handles.h"
#include "tray/menu_keys.h"
#include "tray/menu_rows.h"

#include <cstdint>
#include <optional>

namespace corvane {

class TrayWindowEvents {
public:
    virtual ~TrayWindowEvents() = default;

    // The one-shot start-up timer, about 100 ms after the window was made.
    virtual void OnStartupTimer() {}
    // A tick of the timer that adds refused tray icons again.
    virtual void OnTrayRetryTimer() {}
    // WM_TRAYNOTIFY: the tray icon's identifier and the mouse message.
    virtual void OnTrayNotify(std::uint32_t /*id*/, std::uint32_t /*mouseMessage*/) {}
    // The shell's tray (re)started ("TaskbarCreated").
    virtual void OnTrayRestarted() {}
    // WM_MEASUREITEM / WM_DRAWITEM of the menu's rows: an owner-drawn row's
    // size, and what it shows where; nothing leaves the item to the system.
    virtual std::optional<Extent> OnMeasureItem(const DrawnItem& /*item*/,
                                                TextMeasure& /*measure*/) {
        return std::nullopt;
    }
    virtual std::optional<RowPicture> OnDrawItem(const DrawnItem& /*item*/) { return std::nullopt; }
    // WM_MENUCHAR: a key typed in a menu that chose no plain row.
    virtual MenuCharAnswer OnMenuChar(char16_t /*typed*/, MenuRef /*menu*/) { return {}; }
    // WM_HOTKEY: the program's hot key was pressed.
    virtual void OnHotKey() {}
    // A command chosen on the pop-up menu, or posted by another program
    // (WM_COMMAND's wParam, lParam 0).
    virtual void OnMenuCommand(std::uint32_t /*wParam*/) {}
    // WM_EXPLORERWINDOW: the reported window and the event code.
    virtual void OnExplorerWindow(WindowRef /*window*/, std::intptr_t /*code*/) {}
    // A close request from another program (an installer): saves and ends
    // the program, as "&Quit" does.
    virtual void OnClose() {}
    // Windows is logging off or shutting down.
    virtual void OnEndSession() {}
    // The window is going: the program ends.
    virtual void OnDestroy() {}
};

} // namespace corvane
