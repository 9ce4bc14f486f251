#include "tray/win32/tray_window.h"

#include "core/hot_key.h"
#include "shell/explorer_report.h"
#include "tray/tray_icons.h"
#include "tray/win32/menu_painter_win32.h"

#include <optional>
#include <utility>

namespace corvane::win32 {

static_assert(kWmTrayNotify == WM_USER + 13 && kWmExplorerWindow == WM_USER + 1);

bool TrayWindow::Create() {
    if (!Window::Create(kClassName, WS_EX_TOOLWINDOW, "Corvane", WS_POPUP, 0, 0, 0, 0, nullptr))
        return false;
    // Sent to every top-level window when the shell's tray (re)starts.
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    SetTimer(hwnd(), kStartupTimer, 100, nullptr);
    FollowColours();
    return true;
}

void TrayWindow::ReadColoursFrom(std::function<ColourFacts()> read) {
    readColours_ = std::move(read);
    FollowColours();
}

void TrayWindow::FollowColours() {
    colours_ = ChooseColours(readColours_());
    ApplyMenuMode(colours_);
    ApplyTitleBars(colours_);
}

bool TrayWindow::RegisterHotKey(std::uint16_t hotKey) {
    return ::RegisterHotKey(hwnd(), kHotKeyId, HotKeyModifiers(hotKey), HotKeyVirtualKey(hotKey)) !=
           FALSE;
}

void TrayWindow::UnregisterHotKey() {
    ::UnregisterHotKey(hwnd(), kHotKeyId);
}

void TrayWindow::StopStartupTimer() {
    KillTimer(hwnd(), kStartupTimer);
}

void TrayWindow::StartTrayRetryTimer(unsigned milliseconds) {
    SetTimer(hwnd(), kTrayRetryTimer, milliseconds, nullptr);
}

void TrayWindow::StopTrayRetryTimer() {
    KillTimer(hwnd(), kTrayRetryTimer);
}

void TrayWindow::End() {
    ending_ = true;
    Destroy();
}

LRESULT TrayWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kStartupTimer)
            Run([](TrayWindowEvents& events) { events.OnStartupTimer(); });
        else if (wParam == kTrayRetryTimer)
            Run([](TrayWindowEvents& events) { events.OnTrayRetryTimer(); });
        return 0;
    case WM_COMMAND:
        // A command chosen on the pop-up menu, or posted by another program.
        if (lParam == 0)
            Run([&](TrayWindowEvents& events) {
                events.OnMenuCommand(static_cast<std::uint32_t>(wParam));
            });
        return 0;
    case kWmTrayNotify:
        Run([&](TrayWindowEvents& events) {
            events.OnTrayNotify(static_cast<std::uint32_t>(wParam),
                                static_cast<std::uint32_t>(lParam));
        });
        return 0;
    case kWmExplorerWindow:
        Run([&](TrayWindowEvents& events) {
            events.OnExplorerWindow(ToRef<WindowRef>(reinterpret_cast<HWND>(wParam)),
                                    static_cast<std::intptr_t>(lParam));
        });
        return 0;
    case WM_HOTKEY:
        if (wParam == kHotKeyId)
            Run([](TrayWindowEvents& events) { events.OnHotKey(); });
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        FollowColours();
        return 0;
    case WM_MENUCHAR:
        return OnMenuChar(wParam, lParam);
    case WM_MEASUREITEM:
        return OnMeasureItem(wParam, lParam);
    case WM_DRAWITEM:
        return OnDrawItem(wParam, lParam);
    case WM_CLOSE:
        if (events_)
            Run([](TrayWindowEvents& events) { events.OnClose(); });
        else
            End();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam && !ending_)
            Run([](TrayWindowEvents& events) { events.OnEndSession(); });
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd(), kStartupTimer);
        KillTimer(hwnd(), kTrayRetryTimer);
        UnregisterHotKey();
        Run([](TrayWindowEvents& events) { events.OnDestroy(); });
        PostQuitMessage(0);
        return 0;
    default:
        if (message == taskbarCreated_ && taskbarCreated_ != 0) {
            Run([](TrayWindowEvents& events) { events.OnTrayRestarted(); });
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }
}

LRESULT TrayWindow::OnMeasureItem(WPARAM wParam, LPARAM lParam) {
    bool answered = false;
    Run([&](TrayWindowEvents& events) {
        answered = MeasureMenuRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), hwnd(),
                                  [&](const DrawnItem& item, TextMeasure& measure) {
                                      return events.OnMeasureItem(item, measure);
                                  });
    });
    return answered ? TRUE : DefaultHandling(WM_MEASUREITEM, wParam, lParam);
}

LRESULT TrayWindow::OnDrawItem(WPARAM wParam, LPARAM lParam) {
    bool drawn = false;
    Run([&](TrayWindowEvents& events) {
        drawn = DrawMenuRow(
            *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
            [&](const DrawnItem& item) { return events.OnDrawItem(item); }, colours_.palette);
    });
    if (!drawn)
        DefaultHandling(WM_DRAWITEM, wParam, lParam);
    return TRUE;
}

LRESULT TrayWindow::OnMenuChar(WPARAM wParam, LPARAM lParam) {
    std::optional<LRESULT> result;
    Run([&](TrayWindowEvents& events) {
        result = MenuCharResult(wParam, lParam, [&](char16_t typed, MenuRef menu) {
            return events.OnMenuChar(typed, menu);
        });
    });
    return result ? *result : DefaultHandling(WM_MENUCHAR, wParam, lParam);
}

} // namespace corvane::win32
