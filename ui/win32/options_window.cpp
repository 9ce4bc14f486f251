#include "ui/win32/options_window.h"

#include "core/product_version.h"
#include "core/win32/colour_scheme_win32.h"
#include "core/win32/dpi_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include <stdexcept>

namespace corvane::win32 {
namespace {

constexpr int kLeft = 202;
constexpr int kTop = 141;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_BORDER | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

// The controls whose notifications the program answers, and with what.
struct ControlEvent {
    Ctl control;
    WORD notification;
    void (OptionsWindowEvents::*handler)();
};
constexpr ControlEvent kControlEvents[] = {
    {Ctl::PathField, EN_CHANGE, &OptionsWindowEvents::OnPathChanged},
    {Ctl::MinimizeButton, BN_CLICKED, &OptionsWindowEvents::OnMinimize},
    {Ctl::HelpButton, BN_CLICKED, &OptionsWindowEvents::OnHelp},
    {Ctl::AddButton, BN_CLICKED, &OptionsWindowEvents::OnAdd},
    {Ctl::DeleteButton, BN_CLICKED, &OptionsWindowEvents::OnDelete},
    {Ctl::ModifyButton, BN_CLICKED, &OptionsWindowEvents::OnModify},
    {Ctl::MoveUpButton, BN_CLICKED, &OptionsWindowEvents::OnMoveUp},
    {Ctl::MoveDownButton, BN_CLICKED, &OptionsWindowEvents::OnMoveDown},
    {Ctl::ExportButton, BN_CLICKED, &OptionsWindowEvents::OnExport},
    {Ctl::ImportButton, BN_CLICKED, &OptionsWindowEvents::OnImport},
    {Ctl::BrowseButton, BN_CLICKED, &OptionsWindowEvents::OnBrowse},
    {Ctl::IconBrowseButton, BN_CLICKED, &OptionsWindowEvents::OnIconBrowse},
    {Ctl::HotKeyField, EN_CHANGE, &OptionsWindowEvents::OnHotKeyChanged},
};

// The boxes of the "Options" page: a click tells the program what the box
// says now.
struct BoxEvent {
    Ctl box;
    void (OptionsWindowEvents::*handler)(bool checked);
};
constexpr BoxEvent kBoxEvents[] = {
    {Ctl::HideOnStartBox, &OptionsWindowEvents::OnHideToggled},
    {Ctl::SingleClickBox, &OptionsWindowEvents::OnSingleClickToggled},
    {Ctl::PopUpBox, &OptionsWindowEvents::OnPopUpToggled},
    {Ctl::SmallIconsBox, &OptionsWindowEvents::OnSmallIconsToggled},
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

// A change of the keyboard cues that never hides the focus: it shows whether
// the keyboard or the mouse came last.
WPARAM KeepingFocusShown(WPARAM change) {
    const WORD action = LOWORD(change);
    WORD flags = HIWORD(change);
    if (action == UIS_SET || action == UIS_INITIALIZE)
        flags &= ~UISF_HIDEFOCUS;
    return MAKEWPARAM(action, flags);
}

} // namespace

void OptionsWindow::MakeOptionsWindow() {
    if (hwnd())
        return;
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    if (!application_.Create() ||
        !Window::Create(kClassName, kExStyle, "Corvane " CORVANE_VERSION_TEXT " Options", kStyle,
                        kLeft, kTop, kOptionsClientWidth, kOptionsClientHeight, application_.hwnd(),
                        icon))
        throw std::runtime_error("The options window could not be made");
    application_.Attach(this);
    ApplyTitleBar(hwnd(), CurrentColourScheme());
    // Its size for the DPI of the monitor it was made on.
    const int dpi = WindowDpi(hwnd());
    RECT frame{0, 0, ScaleToDpi(kOptionsClientWidth, dpi), ScaleToDpi(kOptionsClientHeight, dpi)};
    AdjustFrameForDpi(frame, kStyle, kExStyle, dpi);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_ = CreateOptionsControls(hwnd(), pages_, resources_);
    SelectPage(kGeneralPage);
    SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    // Files dropped anywhere on the window, on either page, come here.
    DragAcceptFiles(hwnd(), TRUE);
    // The task-bar button, and the window minimized until it is shown.
    ShowWindow(application_.hwnd(), SW_SHOWNOACTIVATE);
    ShowWindow(hwnd(), SW_SHOWMINNOACTIVE);
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
    if (IsClearKey(msg) && msg.hwnd == Control(Ctl::HotKeyField)) {
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
    // with lParam 0, which runs nothing here.
    return IsDialogMessageW(hwnd(), &msg) != FALSE;
}

LRESULT OptionsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return DefaultHandling(message, wParam, lParam);
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
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
        return 0;
    case WM_CHANGEUISTATE:
        return DefaultHandling(message, KeepingFocusShown(wParam), lParam);
    case DM_GETDEFID:
        return MAKELRESULT(ControlId(Ctl::MinimizeButton), DC_HASDEFID);
    case WM_CLOSE:
        OnClose();
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void OptionsWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Keys of the dialog manager (Esc, Ctrl+Break) come with lParam 0: the
    // menu's commands go to the tray window, so none of them runs one here.
    if (lParam == 0)
        return;
    const int id = LOWORD(wParam);
    const WORD notification = HIWORD(wParam);
    if (id == ControlId(Ctl::QuitButton) && notification == BN_CLICKED) {
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return;
    }
    if (id == ControlId(Ctl::AboutButton) && notification == BN_CLICKED) {
        about_.ShowModal(hwnd());
        return;
    }
    for (const ControlEvent& event : kControlEvents)
        if (id == ControlId(event.control) && notification == event.notification)
            Run([&](OptionsWindowEvents& events) { (events.*event.handler)(); });
    for (const BoxEvent& event : kBoxEvents)
        if (id == ControlId(event.box) && notification == BN_CLICKED) {
            const bool checked = Checked(event.box);
            Run([&](OptionsWindowEvents& events) { (events.*event.handler)(checked); });
        }
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

void OptionsWindow::OnActivate(bool active, bool minimized) {
    // As in a dialog, the control that had the focus has it again when the
    // window comes back; at first the notebook's tabs, where Tab starts.
    HWND focus = GetFocus();
    if (!active && focus && IsChild(hwnd(), focus))
        lastFocus_ = focus;
    if (!active || minimized)
        return;
    const bool usable = lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) &&
                        IsWindowEnabled(lastFocus_);
    SetFocus(usable ? lastFocus_ : controls_.tabs);
}

void OptionsWindow::OnClose() {
    if (!events_) {
        DestroyWindow(ApplicationHandle());
        return;
    }
    // The program ends itself, or stays when its entries could not be saved.
    Run([](OptionsWindowEvents& events) { events.OnClose(); });
}

} // namespace corvane::win32
