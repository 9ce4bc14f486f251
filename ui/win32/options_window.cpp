#include "ui/win32/options_window.h"

#include "shell/explorer_report.h"
#include "core/win32/dpi_win32.h"
#include "tray/tray_icons.h"
#include "tray/win32/menu_painter_win32.h"

#include <commctrl.h>
#include <shellapi.h>

namespace corvane::win32 {
namespace {

constexpr int kLeft = 202;
constexpr int kTop = 141;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_BORDER | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

static_assert(kWmTrayNotify == WM_USER + 13 && kWmExplorerWindow == WM_USER + 1);

// The controls whose notifications the program answers, and with what.
struct ControlEvent {
    Ctl control;
    WORD notification;
    void (OptionsWindowEvents::*handler)();
};
constexpr ControlEvent kControlEvents[] = {
    {Ctl::txtPath, EN_CHANGE, &OptionsWindowEvents::OnPathChanged},
    {Ctl::btnMinimize, BN_CLICKED, &OptionsWindowEvents::OnMinimize},
    {Ctl::btnHelp, BN_CLICKED, &OptionsWindowEvents::OnHelp},
    {Ctl::btnAdd, BN_CLICKED, &OptionsWindowEvents::OnAdd},
    {Ctl::btnDelete, BN_CLICKED, &OptionsWindowEvents::OnDelete},
    {Ctl::btnModify, BN_CLICKED, &OptionsWindowEvents::OnModify},
    {Ctl::btnMoveUp, BN_CLICKED, &OptionsWindowEvents::OnMoveUp},
    {Ctl::btnMoveDown, BN_CLICKED, &OptionsWindowEvents::OnMoveDown},
    {Ctl::btnExport, BN_CLICKED, &OptionsWindowEvents::OnExport},
    {Ctl::btnImport, BN_CLICKED, &OptionsWindowEvents::OnImport},
    {Ctl::btnBrowse, BN_CLICKED, &OptionsWindowEvents::OnBrowse},
    {Ctl::btnIconBrowse, BN_CLICKED, &OptionsWindowEvents::OnIconBrowse},
    {Ctl::cbSingle, BN_CLICKED, &OptionsWindowEvents::OnSingleClickToggled},
    {Ctl::cbPopUp, BN_CLICKED, &OptionsWindowEvents::OnPopUpToggled},
    {Ctl::cbSmallIcons, BN_CLICKED, &OptionsWindowEvents::OnSmallIconsToggled},
    {Ctl::hkHotKey, EN_CHANGE, &OptionsWindowEvents::OnHotKeyChanged},
};

// A row of the list became selected, however the selection moved there:
// a click, the arrow keys, Home or End, a row's first letter, a right click,
// or the program.
bool IsNewlySelected(const NMLISTVIEW& change) {
    return change.iItem >= 0 && (change.uChanged & LVIF_STATE) != 0 &&
           (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
}

// A press of F1, not its repeats while held down.
bool IsHelpKey(const MSG& msg) {
    constexpr LPARAM kWasDown = 1 << 30;
    return msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && (msg.lParam & kWasDown) == 0;
}

// Backspace or Delete: in the hot-key control they clear the key. The control
// itself would show none and tell nothing of it.
bool IsClearKey(const MSG& msg) {
    return msg.message == WM_KEYDOWN && (msg.wParam == VK_BACK || msg.wParam == VK_DELETE);
}

// Alt+Up or Alt+Down: a system key, since Alt is held.
bool IsMoveKey(const MSG& msg, WPARAM key) {
    return msg.message == WM_SYSKEYDOWN && msg.wParam == key;
}

} // namespace

bool OptionsWindow::Create(ApplicationWindow& application) {
    application_ = &application;
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    if (!Window::Create(kClassName, kExStyle, "Corvane 3.0 Options", kStyle, kLeft, kTop,
                        kOptionsClientWidth, kOptionsClientHeight, application.hwnd(), icon))
        return false;
    // Its size for the DPI of the monitor it was made on.
    const int dpi = WindowDpi(hwnd());
    RECT frame{0, 0, ScaleToDpi(kOptionsClientWidth, dpi), ScaleToDpi(kOptionsClientHeight, dpi)};
    AdjustFrameForDpi(frame, kStyle, kExStyle, dpi);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_ = CreateOptionsControls(hwnd(), pages_, resources_);
    SelectPage(kGeneralPage);
    // Files dropped anywhere on the window, on either page, come here.
    DragAcceptFiles(hwnd(), TRUE);
    // Sent to every top-level window when the shell's tray (re)starts.
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    SetTimer(hwnd(), kStartupTimer, 100, nullptr);
    return true;
}

void OptionsWindow::SelectPage(int page) {
    SendMessageW(controls_.tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    for (int i = 0; i < 2; ++i)
        ShowWindow(pages_[i].hwnd(), i == page ? SW_SHOW : SW_HIDE);
}

HWND OptionsWindow::Control(Ctl control) const {
    const auto found = controls_.named.find(control);
    return found == controls_.named.end() ? nullptr : found->second;
}

bool OptionsWindow::PreTranslate(MSG& msg) {
    if (!hwnd() || !IsWindowVisible(hwnd()))
        return false;
    // F1 anywhere in the window is the "&Help" button.
    if (IsHelpKey(msg) && (msg.hwnd == hwnd() || IsChild(hwnd(), msg.hwnd))) {
        Run([](OptionsWindowEvents& events) { events.OnHelp(); });
        return true;
    }
    if (IsClearKey(msg) && msg.hwnd == Control(Ctl::hkHotKey)) {
        Run([](OptionsWindowEvents& events) { events.OnHotKeyCleared(); });
        return true;
    }
    // Alt+Up and Alt+Down in the entry list move the selected entry.
    if (msg.hwnd == controls_.list && (IsMoveKey(msg, VK_UP) || IsMoveKey(msg, VK_DOWN))) {
        const bool up = msg.wParam == VK_UP;
        Run([up](OptionsWindowEvents& events) { up ? events.OnMoveUp() : events.OnMoveDown(); });
        return true;
    }
    // The dialog keys. Esc and Ctrl+Break come back as WM_COMMAND(IDCANCEL)
    // with lParam 0, the way a menu command comes; no command of the menu has
    // an identifier the dialog manager sends (tray/menu_commands.h).
    return IsDialogMessageW(hwnd(), &msg) != FALSE;
}

LRESULT OptionsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kStartupTimer)
            Run([](OptionsWindowEvents& events) { events.OnStartupTimer(); });
        else if (wParam == kTrayRetryTimer)
            Run([](OptionsWindowEvents& events) { events.OnTrayRetryTimer(); });
        return 0;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return DefaultHandling(message, wParam, lParam);
    case kWmTrayNotify:
        Run([&](OptionsWindowEvents& events) {
            events.OnTrayNotify(static_cast<std::uint32_t>(wParam),
                                static_cast<std::uint32_t>(lParam));
        });
        return 0;
    case kWmExplorerWindow:
        Run([&](OptionsWindowEvents& events) {
            events.OnExplorerWindow(ToRef<WindowRef>(reinterpret_cast<HWND>(wParam)),
                                    static_cast<std::intptr_t>(lParam));
        });
        return 0;
    case WM_HOTKEY:
        if (wParam == kHotKeyId)
            Run([](OptionsWindowEvents& events) { events.OnHotKey(); });
        return 0;
    case WM_MENUCHAR:
        return OnMenuChar(wParam, lParam);
    case WM_MEASUREITEM:
        return OnMeasureItem(wParam, lParam);
    case WM_DRAWITEM:
        return OnDrawItem(wParam, lParam);
    case WM_NOTIFY:
        OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case kWmDpiChanged:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DROPFILES:
        // The program owns the drop from here. Without one, or while the
        // window waits for a message box (disabled), it is released now.
        if (events_ && IsWindowEnabled(hwnd()))
            Run([&](OptionsWindowEvents& events) {
                events.OnFilesDropped(ToRef<DropRef>(reinterpret_cast<HDROP>(wParam)));
            });
        else
            DragFinish(reinterpret_cast<HDROP>(wParam));
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(ControlId(Ctl::btnMinimize), DC_HASDEFID);
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            OnEndSession();
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd(), kStartupTimer);
        KillTimer(hwnd(), kTrayRetryTimer);
        UnregisterHotKey();
        Run([](OptionsWindowEvents& events) { events.OnDestroy(); });
        PostQuitMessage(0);
        return 0;
    default:
        if (message == taskbarCreated_ && taskbarCreated_ != 0) {
            Run([](OptionsWindowEvents& events) { events.OnTrayRestarted(); });
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }
}

LRESULT OptionsWindow::OnMeasureItem(WPARAM wParam, LPARAM lParam) {
    bool answered = false;
    Run([&](OptionsWindowEvents& events) {
        answered = MeasureMenuRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), hwnd(),
                                  [&](const DrawnItem& item, TextMeasure& measure) {
                                      return events.OnMeasureItem(item, measure);
                                  });
    });
    return answered ? TRUE : DefaultHandling(WM_MEASUREITEM, wParam, lParam);
}

LRESULT OptionsWindow::OnDrawItem(WPARAM wParam, LPARAM lParam) {
    bool drawn = false;
    Run([&](OptionsWindowEvents& events) {
        drawn = DrawMenuRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                            [&](const DrawnItem& item) { return events.OnDrawItem(item); });
    });
    if (!drawn)
        DefaultHandling(WM_DRAWITEM, wParam, lParam);
    return TRUE;
}

LRESULT OptionsWindow::OnMenuChar(WPARAM wParam, LPARAM lParam) {
    std::optional<LRESULT> result;
    Run([&](OptionsWindowEvents& events) {
        result = MenuCharResult(wParam, lParam, [&](char16_t typed, MenuRef menu) {
            return events.OnMenuChar(typed, menu);
        });
    });
    return result ? *result : DefaultHandling(WM_MENUCHAR, wParam, lParam);
}

void OptionsWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        // A command chosen on the pop-up menu (or posted by another program).
        Run([&](OptionsWindowEvents& events) {
            events.OnMenuCommand(static_cast<std::uint32_t>(wParam));
        });
        return;
    }
    const int id = LOWORD(wParam);
    const WORD notification = HIWORD(wParam);
    if (id == ControlId(Ctl::btnQuit) && notification == BN_CLICKED) {
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return;
    }
    if (id == ControlId(Ctl::btnAbout) && notification == BN_CLICKED) {
        about_.ShowModal(hwnd());
        return;
    }
    for (const ControlEvent& event : kControlEvents)
        if (id == ControlId(event.control) && notification == event.notification)
            Run([&](OptionsWindowEvents& events) { (events.*event.handler)(); });
}

void OptionsWindow::OnNotify(const NMHDR& header) {
    const UINT code = header.code;
    if (header.hwndFrom == controls_.tabs && code == static_cast<UINT>(TCN_SELCHANGE)) {
        SelectPage(static_cast<int>(SendMessageW(controls_.tabs, TCM_GETCURSEL, 0, 0)));
        return;
    }
    if (header.hwndFrom != controls_.list)
        return;
    // A click on the empty part of the list selects nothing, and counts too.
    if (code == static_cast<UINT>(NM_CLICK) ||
        (code == static_cast<UINT>(LVN_ITEMCHANGED) &&
         IsNewlySelected(reinterpret_cast<const NMLISTVIEW&>(header))))
        Run([](OptionsWindowEvents& events) { events.OnListClick(); });
}

void OptionsWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    // Moved to a monitor of another scale: the rectangle the system suggests,
    // and every control laid out again for the new DPI.
    TakeSuggestedRect(hwnd(), suggested);
    LayOutOptionsControls(hwnd(), pages_, controls_, resources_, dpi);
    Run([](OptionsWindowEvents& events) { events.OnDpiChanged(); });
}

void OptionsWindow::OnClose() {
    if (!events_) {
        DestroyWindow(ApplicationHandle());
        return;
    }
    // The program ends itself, or stays when its entries could not be saved.
    Run([](OptionsWindowEvents& events) { events.OnClose(); });
}

void OptionsWindow::OnEndSession() {
    if (!ending_)
        Run([](OptionsWindowEvents& events) { events.OnEndSession(); });
}

} // namespace corvane::win32
