#include "tray/win32/menus_win32.h"

#include "core/win32/dpi_win32.h"
#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"

namespace corvane::win32 {
namespace {

HMENU ToMenu(MenuRef menu) {
    return FromRef<HMENU>(menu);
}

} // namespace

MenuRef Win32Menus::CreatePopupMenu() {
    return ToRef<MenuRef>(::CreatePopupMenu());
}

void Win32Menus::DestroyMenu(MenuRef menu) {
    if (menu != MenuRef::None)
        ::DestroyMenu(ToMenu(menu));
}

void Win32Menus::AppendOwnerDraw(MenuRef menu, std::uint32_t id, const char* data) {
    // The item data is a pointer to the text; it must outlive the menu, so
    // only string literals are passed here. The system reads nothing of it.
    AppendMenuW(ToMenu(menu), MF_OWNERDRAW, id, reinterpret_cast<LPCWSTR>(data));
}

void Win32Menus::AppendSeparator(MenuRef menu) {
    AppendMenuW(ToMenu(menu), MF_SEPARATOR, 0, nullptr);
}

void Win32Menus::AppendString(MenuRef menu, std::uint32_t id, const char* text) {
    AppendMenuW(ToMenu(menu), MF_STRING, id, Wide(text).c_str());
}

void Win32Menus::DispatchWaitingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The loop that reads it must still see it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool Win32Menus::TrackPopupMenu(MenuRef menu, int x, int y, WindowRef owner) {
    // The command comes back here, so that a menu closed without one is
    // known; it goes on to the owner as the system would have sent it.
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
        ToMenu(menu), TPM_RIGHTALIGN | TPM_RETURNCMD, x, y, 0, FromRef<HWND>(owner), nullptr));
    if (chosen == 0)
        return false;
    PostMessageW(FromRef<HWND>(owner), WM_COMMAND, chosen, 0);
    return true;
}

void Win32Menus::PostNull(WindowRef window) {
    PostMessageW(FromRef<HWND>(window), WM_NULL, 0, 0);
}

MonitorPlace Win32Menus::MonitorAt(int x, int y) {
    HMONITOR monitor = MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    const RECT& work = info.rcWork;
    return {{work.left, work.top, work.right, work.bottom}, MonitorDpi(monitor)};
}

void Win32Menus::CursorPos(int& x, int& y) {
    POINT point{};
    GetCursorPos(&point);
    x = point.x;
    y = point.y;
}

int Win32Menus::HighlightedPosition(MenuRef menu) {
    HMENU handle = FromRef<HMENU>(menu);
    const int count = GetMenuItemCount(handle);
    for (int i = 0; i < count; ++i)
        if (GetMenuState(handle, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE)
            return i;
    return -1;
}

} // namespace corvane::win32
