#include "ui/win32/about_window.h"

#include "core/win32/wide.h"

namespace corvane::win32 {
namespace {

constexpr int kWidth = 260;
constexpr int kHeight = 120;

HWND MakeControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                 int width, int height, int id, HFONT font) {
    HWND control = CreateWindowExW(
        0, Wide(className).c_str(), Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width,
        height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

} // namespace

bool AboutWindow::CreateWindowAndControls(HWND owner) {
    RECT frame{0, 0, kWidth, kHeight};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    if (!Create("CorvaneAbout", WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, "About", style,
                CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                owner))
        return false;
    nameFont_.reset(CreateFontW(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                                DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial"));
    textFont_.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                                DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial"));

    HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    HWND picture = MakeControl(hwnd(), "STATIC", "", SS_ICON, 16, 16, 32, 32, 0, nullptr);
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    MakeControl(hwnd(), "STATIC", "Corvane", SS_LEFT, 64, 16, kWidth - 80, 24, 0, nameFont_.get());
    MakeControl(hwnd(), "STATIC", "Version 3.0", SS_LEFT, 64, 44, kWidth - 80, 16, 0,
                textFont_.get());
    MakeControl(hwnd(), "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, (kWidth - 75) / 2,
                kHeight - 44, 75, 28, IDOK, textFont_.get());
    return true;
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
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace corvane::win32
