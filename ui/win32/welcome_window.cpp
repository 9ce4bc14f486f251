#include "ui/win32/welcome_window.h"

#include "core/product_version.h"
#include "core/win32/colour_scheme_win32.h"
#include "core/win32/dpi_win32.h"

namespace corvane::win32 {
namespace {

constexpr int kOkButton = 1;

// The text of the welcome window's box. The box wraps it at its own width: a
// line that ends in a blank goes on in the next literal, a line break ends a
// paragraph's line, an empty line separates paragraphs.
constexpr char kWelcomeText[] =
    "Thanks for trying Corvane Version " CORVANE_VERSION_TEXT "\r\n"
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

// Made with a scroll bar, which goes while the text fits.
constexpr DWORD kBoxStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY;

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
    // Made at the screen's centre, then sized for its DPI about that centre.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    if (!Create("CorvaneWelcome", WS_EX_TOPMOST | WS_EX_DLGMODALFRAME, "Welcome",
                WS_POPUP | WS_CAPTION, x, y, 0, 0, owner))
        return false;
    ApplyTitleBar(hwnd(), CurrentColourScheme());
    controls_.Add(hwnd(), "STATIC", "Welcome to Corvane " CORVANE_VERSION_TEXT,
                  WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0, kWelcomeHeadingRect,
                  FontRole::Heading);
    // Read-only, so that it can be scrolled and selected.
    box_ = controls_.Add(hwnd(), "EDIT", kWelcomeText, kBoxStyle, WS_EX_CLIENTEDGE,
                         kWelcomeTextRect, FontRole::Normal);
    controls_.Add(hwnd(), "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
                  kWelcomeOkRect, FontRole::Normal, kOkButton);
    const int dpi = WindowDpi(hwnd());
    SizeWindowForDpi(hwnd(), kWelcomeClientWidth, kWelcomeClientHeight, dpi, true);
    LayOut(dpi);
    return true;
}

void WelcomeWindow::LayOut(int dpi) {
    controls_.LayOut(dpi);
    // A scroll bar only when the text does not fit.
    ShowScrollBar(box_, SB_VERT, FALSE);
    if (!ShowsAllLines(box_, controls_.Font(FontRole::Normal)))
        ShowScrollBar(box_, SB_VERT, TRUE);
}

LRESULT WelcomeWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kOkButton) // BitBtn1Click: closing hides the window
            ShowWindow(hwnd(), SW_HIDE);
        return 0;
    case kWmDpiChanged:
        TakeSuggestedRect(hwnd(), *reinterpret_cast<const RECT*>(lParam));
        LayOut(HIWORD(wParam));
        return 0;
    case WM_CLOSE:
        ShowWindow(hwnd(), SW_HIDE);
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace corvane::win32
