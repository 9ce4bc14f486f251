#include "ui/win32/app_window.h"

#include "ui/form_view.h"
#include "ui/win32/options_window.h"

namespace corvane::win32 {

bool ApplicationWindow::Create() {
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    return Window::Create("CorvaneApplication", 0, kApplicationTitle,
                          WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x,
                          y, 0, 0, nullptr, icon);
}

HWND ApplicationWindow::OptionsHandle() const {
    return options_ ? options_->hwnd() : nullptr;
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND options = OptionsHandle();
    switch (message) {
    case WM_CLOSE:
        // Closing the program from its task-bar button closes the main window.
        if (options)
            PostMessageW(options, WM_CLOSE, 0, 0);
        return 0;
    case WM_SETFOCUS:
        // Nothing here takes typing: once the change of focus is over, the
        // activation passes on to the options window if it is shown.
        PostMessageW(hwnd(), kPassActivation, 0, 0);
        return DefaultHandling(message, wParam, lParam);
    case kPassActivation:
        if (GetFocus() == hwnd() && options && IsWindowVisible(options) && IsWindowEnabled(options))
            SetActiveWindow(options);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE && options) {
            DefaultHandling(message, wParam, lParam);
            ShowWindow(options, SW_RESTORE);
            SetForegroundWindow(options);
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

bool PageWindow::Create(HWND parent, const RECT& area, HWND notify) {
    notify_ = notify;
    return Window::Create("CorvanePage", WS_EX_CONTROLPARENT, "", WS_CHILD | WS_CLIPSIBLINGS,
                          area.left, area.top, area.right - area.left, area.bottom - area.top,
                          parent);
}

LRESULT PageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return SendMessageW(notify_, message, wParam, lParam);
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace corvane::win32
