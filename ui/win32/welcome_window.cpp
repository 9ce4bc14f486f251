#include "ui/win32/welcome_window.h"

#include "core/win32/wide.h"

namespace corvane::win32 {
namespace {

constexpr int kOkButton = 1;
constexpr int kWidth = 370;
constexpr int kHeight = 315;

// The text of the welcome window's box. The box wraps it at its own width: a
// line that ends in a blank goes on in the next literal, a line break ends a
// paragraph's line, an empty line separates paragraphs.
constexpr char kWelcomeText[] =
    "Thanks for trying Corvane Version 3.0\r\n"
    "\r\n"
    "Since this is your first time using Corvane, let me give you some hints "
    "on how to use the program.\r\n"
    "To add an icon simply click on the browse button for the path, when "
    "you have found the file you want to use click open.\r\n"
    "Information about this program will fill in the boxes on the form, if you "
    "want to change anything, go ahead and personalize it!\r\n"
    "Now click ADD and viola! you have added an icon.  "
    "To delete or modify the icon, click on the list of added programs and "
    "then either delete, or change the data then press modify.\r\n"
    "\r\n"
    "Enjoy Corvane and remember you can get specific help anytime by "
    "pressing F1";

constexpr DWORD kBoxStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY;

// True when the box shows every line of its text.
bool ShowsAllLines(HWND box, HFONT font) {
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    RECT format{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const LRESULT lines = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
    return metrics.tmHeight > 0 && lines * metrics.tmHeight <= format.bottom - format.top;
}

} // namespace

void WelcomeWindow::Show(HWND owner) {
    if (!Exists() && !CreateWindowAndControls(owner))
        return;
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool WelcomeWindow::CreateWindowAndControls(HWND owner) {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    if (!Create("CorvaneWelcome", WS_EX_TOPMOST | WS_EX_DLGMODALFRAME, "Welcome",
                WS_POPUP | WS_CAPTION, x, y, kWidth, kHeight, owner))
        return false;

    headingFont_.reset(CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                   0, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial"));
    textFont_.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                                DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial"));
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int width = client.right - 16;

    HWND heading = CreateWindowExW(0, L"STATIC", L"Welcome to Corvane 3.0", WS_CHILD | WS_VISIBLE,
                                   8, 8, width, 22, hwnd(), nullptr, nullptr, nullptr);
    SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.get()), TRUE);

    // Read-only, so that it can be scrolled and selected; a scroll bar only
    // when the text does not fit.
    auto makeBox = [&](DWORD style) {
        HWND box =
            CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", Wide(kWelcomeText).c_str(), style, 8, 36,
                            width, client.bottom - 36 - 44, hwnd(), nullptr, nullptr, nullptr);
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), TRUE);
        return box;
    };
    HWND box = makeBox(kBoxStyle);
    if (!ShowsAllLines(box, textFont_.get())) {
        DestroyWindow(box);
        makeBox(kBoxStyle | WS_VSCROLL);
    }

    HWND ok =
        CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                        (client.right - 75) / 2, client.bottom - 36, 75, 28, hwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOkButton)), nullptr, nullptr);
    SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), TRUE);
    return true;
}

LRESULT WelcomeWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kOkButton) // BitBtn1Click: closing hides the window
            ShowWindow(hwnd(), SW_HIDE);
        return 0;
    case WM_CLOSE:
        ShowWindow(hwnd(), SW_HIDE);
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace corvane::win32
