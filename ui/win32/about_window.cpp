#include "ui/win32/about_window.h"

#include "core/product_version.h"
#include "core/win32/colour_scheme_win32.h"
#include "core/win32/dpi_win32.h"

namespace corvane::win32 {
bool AboutWindow::CreateWindowAndControls(HWND owner) {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    if (!Create("CorvaneAbout", WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, "About", style,
                CW_USEDEFAULT, CW_USEDEFAULT, kAboutClientWidth, kAboutClientHeight, owner))
        return false;
    ApplyTitleBar(hwnd(), CurrentColourScheme());
    picture_ = controls_.Add(hwnd(), "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, 0,
                             kAboutIconRect, FontRole::Normal, 0, true);
    controls_.Add(hwnd(), "STATIC", "Corvane", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0,
                  kAboutNameRect, FontRole::Title);
    controls_.Add(hwnd(), "STATIC", "Version " CORVANE_VERSION_TEXT,
                  WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0, kAboutVersionRect,
                  FontRole::Normal);
    controls_.Add(hwnd(), "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
                  kAboutOkRect, FontRole::Normal, IDOK);
    const int dpi = WindowDpi(hwnd());
    SizeWindowForDpi(hwnd(), kAboutClientWidth, kAboutClientHeight, dpi);
    LayOut(dpi);
    return true;
}

void AboutWindow::LayOut(int dpi) {
    controls_.LayOut(dpi);
    // The program's icon at the DPI's large icon size.
    const int size = MetricForDpi(SM_CXICON, dpi);
    icon_.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                                              size, size, LR_DEFAULTCOLOR)));
    SendMessageW(picture_, STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
}

void AboutWindow::ShowModal(HWND owner) {
    if (!hwnd() && !CreateWindowAndControls(owner))
        return;
    // Centred over the owner.
    RECT over{}, own{};
    GetWindowRect(owner, &over);
    GetWindowRect(hwnd(), &own);
    const int width = own.right - own.left, height = own.bottom - own.top;
    SetWindowPos(hwnd(), nullptr, over.left + (over.right - over.left - width) / 2,
                 over.top + (over.bottom - over.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    EnableWindow(owner, FALSE);
    open_ = true;
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(GetDlgItem(hwnd(), IDOK));
    // The owner's handlers wait here. Enter and Esc reach the window as the
    // commands IDOK and IDCANCEL.
    MSG msg;
    while (open_ && hwnd()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the main loop sees the quit message too.
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsDialogMessageW(hwnd(), &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    open_ = false;
    EnableWindow(owner, TRUE);
    if (hwnd())
        ShowWindow(hwnd(), SW_HIDE);
    SetActiveWindow(owner);
}

void AboutWindow::Close() {
    open_ = false;
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            Close();
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case kWmDpiChanged:
        TakeSuggestedRect(hwnd(), *reinterpret_cast<const RECT*>(lParam));
        LayOut(HIWORD(wParam));
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace corvane::win32
