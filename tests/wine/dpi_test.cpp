// The windows and the menu at the DPI the prefix starts with (CORVANE_TEST_DPI, 96 unless set):
// every control at its design rectangle scaled to it, texts whole, icons at the DPI's sizes.
#include "core/win32/dpi_win32.h"
#include "core/win32/handle_refs.h"
#include "core/win32/system_win32.h"
#include "core/win32/wide.h"
#include "tray/popup_menu.h"
#include "tray/win32/menus_win32.h"
#include "tray/win32/shell_icons_win32.h"
#include "ui/win32/options_window.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace corvane::win32 {
namespace {

// The menu under test answers the window's owner-drawn requests.
struct MenuEvents : OptionsWindowEvents {
    PopupMenu* menu = nullptr;
    bool OnMeasureItem(Canvas& canvas, MeasureItemRequest& request) override {
        return menu->Measure(canvas, WindowRef::None, request);
    }
    void OnFilesDropped(DropRef drop) override { DragFinish(FromRef<HDROP>(drop)); }
};

// The first row of the open menu, then the menu closes.
HWND owner;
RECT row;
void CALLBACK MeasureOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    const LRESULT open = SendMessageW(FindWindowW(L"#32768", nullptr), 0x01E1, 0, 0); // MN_GETHMENU
    GetMenuItemRect(owner, reinterpret_cast<HMENU>(open), 0, &row);
    EndMenu();
}

class DpiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SetProcessDPIAware()) << "as corvane.exe's manifest makes it";
        ASSERT_TRUE(application.Create() && options.Create(application));
        options.Attach(&events);
        const char* wanted = std::getenv("CORVANE_TEST_DPI");
        dpi = WindowDpi(options.hwnd());
        ASSERT_EQ(dpi, wanted ? std::atoi(wanted) : 96) << "the prefix's DPI";
    }
    // Whether a length in pixels is the design's scaled, within a pixel.
    bool Scaled(int pixels, int units) const { return std::abs(pixels - units * dpi / 96.0) <= 1; }

    MenuEvents events;
    ApplicationWindow application;
    OptionsWindow options;
    int dpi = 0;
};

TEST_F(DpiTest, EveryControlStandsAtItsScaledRectangleWithItsTextWhole) {
    HWND general = FindWindowExW(options.hwnd(), nullptr, L"CorvanePage", nullptr);
    const HWND pages[] = {general, FindWindowExW(options.hwnd(), general, L"CorvanePage", nullptr),
                          options.hwnd()};
    for (const ControlRow& row : OptionsControlRows()) {
        HWND parent = pages[static_cast<int>(row.page)];
        HWND control = row.named
                           ? GetDlgItem(parent, ControlId(row.control))
                           : FindWindowExW(parent, nullptr, L"STATIC", Wide(row.text).c_str());
        ASSERT_TRUE(control) << row.text;
        RECT at{};
        GetWindowRect(control, &at);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&at), 2);
        const DesignRect& d = row.rect;
        EXPECT_TRUE(Scaled(at.left, d.x) && Scaled(at.top, d.y) && Scaled(at.right, d.x + d.width))
            << row.text;
        // A drop-down list's closed height is the system's.
        EXPECT_TRUE(Scaled(at.bottom, d.y + d.height) || row.className[0] == 'C') << row.text;
        // Labels that do not wrap, buttons and check boxes show their whole text.
        const bool button = row.className[0] == 'B', check = (row.style & 0xF) == 3 && button;
        if (!button && (row.style & 0xF) != style::kLeftNoWordWrap)
            continue;
        std::wstring text = Wide(row.text);
        std::erase(text, L'&');
        HDC dc = GetDC(control);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, old), ReleaseDC(control, dc);
        // Less a check box's square, or a button's edges.
        EXPECT_LE(extent.cx, at.right - at.left -
                                 ScaleToDpi(check    ? 16
                                            : button ? 8
                                                     : 0,
                                            dpi))
            << row.text << " is cut";
        EXPECT_LE(extent.cy, at.bottom - at.top) << row.text << " is cut";
    }
}

TEST_F(DpiTest, ThePreviewShowsTheShellsLargeIconWholeAndAMenuRowGrowsWithTheDpi) {
    Win32ShellIcons shell;
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const IconRef icon = GetFileIconHandle(shell, Narrow(windows) + "\\notepad.exe");
    options.SetPreviewIcon(icon);
    // The icon box takes the size of the icon it shows.
    HWND frame = GetDlgItem(FindWindowExW(options.hwnd(), nullptr, L"CorvanePage", nullptr), 90);
    RECT shown{}, inside{}, both{};
    GetWindowRect(GetWindow(frame, GW_CHILD), &shown);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&shown), 2);
    GetClientRect(frame, &inside);
    IntersectRect(&both, &shown, &inside);
    EXPECT_TRUE(EqualRect(&both, &shown) &&
                (GetWindowLongW(GetWindow(frame, GW_CHILD), GWL_STYLE) & WS_VISIBLE) &&
                Scaled(shown.right - shown.left, 32) && Scaled(shown.bottom - shown.top, 32))
        << "the shell's large icon, whole: " << shown.left << "," << shown.top << "," << shown.right
        << "," << shown.bottom << " in " << inside.right << "," << inside.bottom;
    DestroyIcon(FromRef<HICON>(icon));

    // The menu, opened on the screen, measures its rows for its monitor's DPI.
    EntryTable table;
    table.Append(Entry{"a.exe", "a.exe", "", "Mail"});
    Win32Menus menus;
    Win32System system;
    PopupMenu menu(menus, shell, system, table);
    events.menu = &menu;
    menu.SetPopUp(true);
    menu.SetSmallIcons(false);
    menu.Rebuild();
    owner = options.hwnd();
    ShowWindow(owner, SW_SHOW);
    SetForegroundWindow(owner);
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, &MeasureOpenMenu);
    menu.Track(400, 300, ToRef<WindowRef>(owner));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(Scaled(row.bottom - row.top, kLargeItemHeight)) << row.bottom - row.top;
}

} // namespace
} // namespace corvane::win32
