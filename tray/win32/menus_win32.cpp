#include "tray/win32/menus_win32.h"

#include "core/win32/dpi_win32.h"
#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"

#include <oleacc.h>

namespace corvane::win32 {

// The signature and the text's length and address first, as screen readers
// read them; then the text, which stays where it is while the record lives.
struct SpokenNameRecord {
    MSAAMENUINFO info{};
    std::wstring text;
};

namespace {

HMENU ToMenu(MenuRef menu) {
    return FromRef<HMENU>(menu);
}

} // namespace

Win32Menus::Win32Menus() = default;
Win32Menus::~Win32Menus() = default;

MenuRef Win32Menus::CreatePopupMenu() {
    return ToRef<MenuRef>(::CreatePopupMenu());
}

void Win32Menus::DestroyMenu(MenuRef menu) {
    if (menu != MenuRef::None)
        ::DestroyMenu(ToMenu(menu));
    spokenNames_.erase(menu);
}

void Win32Menus::AppendOwnerDraw(MenuRef menu, std::uint32_t id, const std::string& spokenName) {
    auto record = std::make_unique<SpokenNameRecord>();
    record->text = Wide(spokenName);
    record->info.dwMSAASignature = MSAA_MENU_SIG;
    record->info.cchWText = static_cast<DWORD>(record->text.size());
    record->info.pszWText = record->text.data();
    // The item's data is the record's address.
    if (AppendMenuW(ToMenu(menu), MF_OWNERDRAW, id, reinterpret_cast<LPCWSTR>(record.get())))
        spokenNames_[menu].push_back(std::move(record));
}

std::size_t Win32Menus::SpokenNamesAlive() const {
    std::size_t alive = 0;
    for (const auto& [menu, records] : spokenNames_)
        alive += records.size();
    return alive;
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
