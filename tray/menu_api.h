#pragma once
// The menu calls of the pop-up launcher menu.
#include "core/handles.h"
#include "tray/menu_rows.h"

#include <cstdint>
#include <string>

namespace corvane {

struct MonitorPlace {
    Rect workArea;
    int dpi = 96;
};

class MenuApi {
public:
    virtual ~MenuApi() = default;
    virtual MenuRef CreatePopupMenu() = 0;
    virtual void DestroyMenu(MenuRef menu) = 0;
    // AppendMenuW with MF_OWNERDRAW. The item's data is the record that screen
    // readers take the row's name from: spokenName (UTF-8), kept as long as
    // the menu.
    virtual void AppendOwnerDraw(MenuRef menu, std::uint32_t id, const std::string& spokenName) = 0;
    virtual void AppendSeparator(MenuRef menu) = 0;
    // AppendMenuW with MF_STRING; the text is UTF-8.
    virtual void AppendString(MenuRef menu, std::uint32_t id, const char* text) = 0;
    // Dispatches every message waiting in the thread's queue.
    virtual void DispatchWaitingMessages() = 0;
    // Runs the menu for owner with its right edge at x, its top at y; returns
    // when the menu closes, true when a command was chosen. The command then
    // reaches owner as WM_COMMAND, posted.
    virtual bool TrackPopupMenu(MenuRef menu, int x, int y, WindowRef owner) = 0;
    virtual void PostNull(WindowRef window) = 0;
    // GetCursorPos.
    virtual void CursorPos(int& x, int& y) = 0;
    // The monitor nearest the point: its work area (the screen less the task
    // bar) and DPI.
    virtual MonitorPlace MonitorAt(int x, int y) = 0;
    // The position of the menu's lit row, or -1.
    virtual int HighlightedPosition(MenuRef menu) = 0;
};

// A menu, destroyed when it goes.
using OwnedMenu = Owned<MenuRef, MenuApi, &MenuApi::DestroyMenu>;

} // namespace corvane
