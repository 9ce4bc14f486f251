// The windows and the menu at the prefix's DPI (CORVANE_TEST_DPI, 96 unless set), the windows after
// changes of DPI: controls at their design rectangles scaled, in fonts for the DPI, texts whole.
#include "core/win32/dpi_win32.h"
#include "core/win32/handle_refs.h"
#include "core/win32/system_win32.h"
#include "core/win32/wide.h"
#include "tray/popup_menu.h"
#include "tray/win32/menus_win32.h"
#include "tray/win32/tray_icons_win32.h"
#include "ui/win32/options_window.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace corvane::win32 {
namespace {

// The menu under test answers the tray window's owner-drawn requests.
struct MenuEvents : TrayWindowEvents {
    PopupMenu* menu = nullptr;
    std::optional<Extent> OnMeasureItem(const DrawnItem& item, TextMeasure& measure) override {
        return menu->Measure(item, measure);
    }
};

// The first row of the open menu, then the menu closes.
HWND owner;
RECT row;
void CALLBACK MeasureOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    const LRESULT open = SendMessageW(FindWindowW(L"#32768", nullptr), 0x01E1, 0, 0); // MN_GETHMENU
    GetMenuItemRect(owner, reinterpret_cast<HMENU>(open), 0, &row);
    EndMenu();
}

// Whether a length in pixels is the design's scaled to dpi, within a pixel.
bool Scaled(int pixels, int units, int dpi) {
    return std::abs(pixels - units * dpi / 96.0) <= 1;
}

// A control made for a design rectangle and font role, at dpi: at the rectangle scaled, in the
// role's font for dpi and, a button, a check box or a label on one line, with its text whole.
void ExpectLaidOut(HWND control, const DesignRect& d, FontRole role, int dpi) {
    wchar_t kind[32] = {}, text[256] = {};
    GetClassNameW(control, kind, 32), GetWindowTextW(control, text, 256);
    const std::string name = Narrow(text) + " at " + std::to_string(dpi) + " DPI";
    RECT at{};
    GetWindowRect(control, &at);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&at), 2);
    // A drop-down list's closed height is the system's.
    EXPECT_TRUE(Scaled(at.left, d.x, dpi) && Scaled(at.top, d.y, dpi) &&
                Scaled(at.right, d.x + d.width, dpi) &&
                (Scaled(at.bottom, d.y + d.height, dpi) || !lstrcmpiW(kind, L"ComboBox")))
        << name;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW made{};
    GetObjectW(font, sizeof made, &made);
    EXPECT_EQ(-made.lfHeight, FontFor(role, MessageFontForDpi(dpi).lfHeight).height) << name;
    // Less a check box's square, or a button's edges.
    const LONG style = GetWindowLongW(control, GWL_STYLE) & 0xF;
    const int edges = lstrcmpiW(kind, L"Button") ? 0 : style == BS_AUTOCHECKBOX ? 16 : 8;
    if (!edges && (lstrcmpiW(kind, L"Static") || style != SS_LEFTNOWORDWRAP))
        return;
    const int length = static_cast<int>(std::remove(text, text + lstrlenW(text), L'&') - text);
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, length, &extent);
    SelectObject(dc, old), ReleaseDC(control, dc);
    EXPECT_TRUE(extent.cx <= at.right - at.left - ScaleToDpi(edges, dpi) &&
                extent.cy <= at.bottom - at.top)
        << name << " is cut";
}

void CALLBACK CloseAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer), PostMessageW(FindWindowW(L"CorvaneAbout", nullptr), WM_CLOSE, 0, 0);
}

class DpiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SetProcessDPIAware()) << "as corvane.exe's manifest makes it";
        ASSERT_TRUE(tray.Create());
        options.MakeOptionsWindow(); // minimized, as at a start: restored and hidden here
        ShowWindow(options.hwnd(), SW_RESTORE), ShowWindow(options.hwnd(), SW_HIDE);
        tray.Attach(&events);
        const char* wanted = std::getenv("CORVANE_TEST_DPI");
        dpi = WindowDpi(options.hwnd());
        ASSERT_EQ(dpi, wanted ? std::atoi(wanted) : 96) << "the prefix's DPI";
    }
    MenuEvents events;
    TrayWindow tray;
    OptionsWindow options{tray};
    int dpi = 0;
};

// Each window at its first DPI, then moved to a monitor of a larger scale and back: WM_DPICHANGED
// (sent by hand: Wine has one DPI) with the new DPI and the suggested rectangle, which it takes.
TEST_F(DpiTest, EveryWindowsControlsFollowTheDpiInPlaceFontAndWholeText) {
    WelcomeWindow welcome;
    AboutWindow about; // made at its first showing, then kept (hidden) for the run
    welcome.Show(options.hwnd());
    SetTimer(nullptr, 0, 100, &CloseAbout);
    about.ShowModal(options.hwnd());
    // The options window's controls from its table; the others in the order they are made, bar
    // the About window's picture (the program's icon, which this test program has not).
    std::vector<std::tuple<HWND, DesignRect, FontRole>> made;
    HWND general = FindWindowExW(options.hwnd(), nullptr, L"CorvanePage", nullptr);
    const HWND pages[] = {general, FindWindowExW(options.hwnd(), general, L"CorvanePage", nullptr),
                          options.hwnd()};
    for (const ControlRow& row : OptionsControlRows()) {
        HWND parent = pages[static_cast<int>(row.page)];
        made.emplace_back(row.named
                              ? GetDlgItem(parent, ControlId(row.control))
                              : FindWindowExW(parent, nullptr, L"STATIC", Wide(row.text).c_str()),
                          row.rect, row.font);
    }
    using enum FontRole;
    const std::pair<DesignRect, FontRole> others[] = {
        {kWelcomeHeadingRect, Heading}, {kWelcomeTextRect, Normal},  {kWelcomeOkRect, Normal},
        {kAboutNameRect, Title},        {kAboutVersionRect, Normal}, {kAboutOkRect, Normal}};
    HWND control = GetWindow(welcome.hwnd(), GW_CHILD), picture = GetWindow(about.hwnd(), GW_CHILD);
    for (const auto& [rect, font] : others) {
        made.emplace_back(control, rect, font);
        if (!(control = GetWindow(control, GW_HWNDNEXT)))
            control = GetWindow(picture, GW_HWNDNEXT);
    }
    for (int step = 0; step < 3; ++step) { // the start, a step up, a step back down
        const int at = step == 1 ? dpi + 48 : dpi;
        RECT suggested{at, at / 2, at * 7, at * 6}, taken{};
        for (HWND window : {options.hwnd(), welcome.hwnd(), about.hwnd()})
            if (step > 0) {
                SendMessageW(window, kWmDpiChanged, MAKEWPARAM(at, at),
                             reinterpret_cast<LPARAM>(&suggested));
                GetWindowRect(window, &taken);
                EXPECT_TRUE(EqualRect(&taken, &suggested)) << "window " << window << " at " << at;
            }
        for (const auto& [control, rect, font] : made)
            ExpectLaidOut(control, rect, font, at);
    }
}

TEST_F(DpiTest, ThePreviewShowsTheShellsLargeIconWholeAndAMenuRowGrowsWithTheDpi) {
    Win32FileIcons shell;
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const ScopedIcon icon = shell.Icon(Narrow(windows) + "\\notepad.exe", IconSize::Large);
    options.SetPreviewIcon(icon.get());
    // The icon box takes the size of the icon it shows.
    HWND frame = GetDlgItem(FindWindowExW(options.hwnd(), nullptr, L"CorvanePage", nullptr), 90);
    RECT shown{}, inside{}, both{};
    GetWindowRect(GetWindow(frame, GW_CHILD), &shown);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&shown), 2);
    GetClientRect(frame, &inside);
    IntersectRect(&both, &shown, &inside);
    EXPECT_TRUE(EqualRect(&both, &shown) &&
                (GetWindowLongW(GetWindow(frame, GW_CHILD), GWL_STYLE) & WS_VISIBLE) &&
                Scaled(shown.right - shown.left, 32, dpi) &&
                Scaled(shown.bottom - shown.top, 32, dpi))
        << "the shell's large icon, whole: " << shown.left << "," << shown.top << "," << shown.right
        << "," << shown.bottom << " in " << inside.right << "," << inside.bottom;

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
    owner = tray.hwnd(); // hidden, as it stays
    SetForegroundWindow(owner);
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, &MeasureOpenMenu);
    menu.Track(400, 300, ToRef<WindowRef>(owner));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(Scaled(row.bottom - row.top, kLargeItemHeight, dpi)) << row.bottom - row.top;
}

} // namespace
} // namespace corvane::win32
