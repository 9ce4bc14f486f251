#include "ui/win32/options_window.h"

#include "shell/explorer_tracking.h"
#include "tray/owner_draw.h"
#include "tray/shell_icon_api.h"

#include <commctrl.h>

#include <vector>

namespace corvane::win32 {
namespace {

constexpr int kClientWidth = 490;
constexpr int kClientHeight = 367;
constexpr int kLeft = 202;
constexpr int kTop = 141;
constexpr int kGeneralPage = 0;
constexpr int kOptionsPage = 1;
constexpr int kNoPage = -1;
constexpr int kPanelId = 90;
constexpr int kTabsId = 91;

int IdOf(Ctl control) {
    return 100 + static_cast<int>(control);
}

enum class Font { Bold, Combo, System };

struct ControlLayout {
    bool named;  // one of the controls the logic addresses
    Ctl control; // when named
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    int page;
    int x, y, width, height;
    Font font;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFTNOWORDWRAP;
constexpr DWORD kEdit = kChild | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;

ControlLayout Label(const char* text, int x, int y, int w, int h) {
    return {false, Ctl::txtPath, "STATIC", text, kLabel, 0, kGeneralPage, x, y, w, h, Font::Bold};
}
ControlLayout Named(Ctl c, const char* cls, const char* text, DWORD style, DWORD ex, int page,
                    int x, int y, int w, int h, Font font = Font::Bold) {
    return {true, c, cls, text, style, ex, page, x, y, w, h, font};
}

// In tab order within each page; labels carry no tab stop.
std::vector<ControlLayout> GeneralPageControls() {
    return {
        Label("Path:", 56, 15, 29, 15),
        Label("Icon Path:", 30, 46, 56, 15),
        Label("Parameters:", 15, 75, 71, 15),
        Label("Description:", 211, 104, 68, 15),
        Label("Start-Mode", 261, 171, 63, 15),
        Named(Ctl::txtPath, "EDIT", "", kEdit, WS_EX_CLIENTEDGE, kGeneralPage, 88, 9, 289, 26),
        Named(Ctl::txtToolTip, "EDIT", "", kEdit, WS_EX_CLIENTEDGE, kGeneralPage, 281, 101, 184,
              26),
        Named(Ctl::btnBrowse, "BUTTON", "&Browse...", kButton, 0, kGeneralPage, 389, 10, 73, 25),
        Named(Ctl::txtParameters, "EDIT", "", kEdit, WS_EX_CLIENTEDGE, kGeneralPage, 88, 71, 377,
              26),
        Named(Ctl::btnAdd, "BUTTON", "&Add", kButton | WS_DISABLED, 0, kGeneralPage, 382, 133, 78,
              34),
        Named(Ctl::btnDelete, "BUTTON", "&Delete", kButton | WS_DISABLED, 0, kGeneralPage, 382, 173,
              78, 34),
        Named(Ctl::btnModify, "BUTTON", "&Modify", kButton | WS_DISABLED, 0, kGeneralPage, 382, 213,
              78, 34),
        Named(Ctl::btnHelp, "BUTTON", "&Help", kButton, 0, kGeneralPage, 382, 253, 78, 34),
        Named(Ctl::txtIconPath, "EDIT", "", kEdit, WS_EX_CLIENTEDGE, kGeneralPage, 88, 42, 289, 26),
        Named(Ctl::btnIconBrowse, "BUTTON", "&Browse...", kButton, 0, kGeneralPage, 389, 42, 73,
              25),
        Named(Ctl::cbAutoStart, "BUTTON", "Auto Start", kCheck, 0, kGeneralPage, 260, 146, 97, 17),
        Named(Ctl::cbStartMode, "COMBOBOX", "", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
              0, kGeneralPage, 260, 190, 106, 24 + 4 * 18, Font::Combo),
    };
}

std::vector<ControlLayout> OptionsPageControls() {
    return {
        Named(Ctl::chkHide, "BUTTON", "Hide on Startup", kCheck, 0, kOptionsPage, 8, 8, 134, 23),
        Named(Ctl::cbSingle, "BUTTON", "Single Click Launch (instead of double clicking)", kCheck,
              0, kOptionsPage, 8, 32, 330, 19),
        Named(Ctl::cbPopUp, "BUTTON",
              "Corvane should put all of the icons on a pop menu (applies on next start)", kCheck,
              0, kOptionsPage, 8, 56, 465, 17),
        Named(Ctl::cbSmallIcons, "BUTTON", "Use Small Icons", kCheck, 0, kOptionsPage, 27, 76, 134,
              17),
        {false, Ctl::txtPath, "STATIC",
         "To change the settings in the tool box, right click on any icon that the tool box has "
         "added to the system tray area.",
         kChild | SS_LEFT, 0, kOptionsPage, 19, 216, 395, 73, Font::System},
    };
}

std::vector<ControlLayout> BottomButtons() {
    return {
        Named(Ctl::btnOkay, "BUTTON", "Minimize", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
              kNoPage, 9, 334, 81, 31),
        Named(Ctl::btnAbout, "BUTTON", "&About", kButton, 0, kNoPage, 392, 334, 81, 31),
        Named(Ctl::BitBtn1, "BUTTON", "&Quit", kButton, 0, kNoPage, 293, 334, 81, 31),
    };
}

UniqueFont MakeFont(int height, int weight, const char* face) {
    return UniqueFont(CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, face));
}

} // namespace

// --- Application window -----------------------------------------------------

bool ApplicationWindow::Create() {
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    return Window::Create("CorvaneApplication", 0, kApplicationTitle,
                          WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x,
                          y, 0, 0, nullptr, icon);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam && options_)
            options_->OnEndSession();
        return 0;
    case WM_CLOSE:
        // Closing the program from its task-bar button closes the main window.
        if (options_ && options_->hwnd())
            PostMessageA(options_->hwnd(), WM_CLOSE, 0, 0);
        return 0;
    case WM_SETFOCUS:
        // Nothing here takes typing: once the change of focus is over, the
        // activation passes on to the options window if it is shown.
        PostMessageA(hwnd(), kPassActivation, 0, 0);
        return DefaultHandling(message, wParam, lParam);
    case kPassActivation:
        if (GetFocus() == hwnd() && options_ && options_->hwnd() &&
            IsWindowVisible(options_->hwnd()) && IsWindowEnabled(options_->hwnd()))
            SetActiveWindow(options_->hwnd());
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE && options_ && options_->hwnd()) {
            DefaultHandling(message, wParam, lParam);
            ShowWindow(options_->hwnd(), SW_RESTORE);
            SetForegroundWindow(options_->hwnd());
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

// --- Notebook pages ---------------------------------------------------------

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
        return SendMessageA(notify_, message, wParam, lParam);
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

// --- Options window ---------------------------------------------------------

bool OptionsWindow::Create(ApplicationWindow& application) {
    application_ = &application;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_BORDER | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    if (!Window::Create("CorvaneOptions", exStyle, "Corvane 3.0 Options", style, kLeft, kTop,
                        frame.right - frame.left, frame.bottom - frame.top, application.hwnd(),
                        icon))
        return false;
    CreateControls();
    // Sent to every top-level window when the shell's tray (re)starts.
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    SetTimer(hwnd(), kStartupTimer, 100, nullptr);
    return true;
}

void OptionsWindow::CreateControls() {
    boldFont_ = MakeFont(12, FW_BOLD, "Arial");
    comboFont_ = MakeFont(13, FW_BOLD, "Arial");
    tabFont_ = MakeFont(11, FW_NORMAL, "MS Sans Serif");
    systemFont_ = MakeFont(13, FW_NORMAL, "System");
    SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(systemFont_.get()), FALSE);

    tabs_ = CreateWindowExA(WS_EX_CONTROLPARENT, WC_TABCONTROLA, "",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 1, 4, 488, 322,
                            hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabsId)), nullptr,
                            nullptr);
    SendMessageA(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(tabFont_.get()), FALSE);
    const char* captions[] = {"General", "Options"};
    for (int i = 0; i < 2; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(captions[i]);
        SendMessageA(tabs_, TCM_INSERTITEMA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    RECT area{};
    GetClientRect(tabs_, &area);
    SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs_, hwnd(), reinterpret_cast<POINT*>(&area), 2);
    for (PageWindow& page : pages_)
        page.Create(hwnd(), area, hwnd());
    // The pages lie over the notebook's display area.
    SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    auto make = [this](const ControlLayout& layout) {
        HWND parent = layout.page == kNoPage ? hwnd() : pages_[layout.page].hwnd();
        const int id = layout.named ? IdOf(layout.control) : 0;
        HWND control =
            CreateWindowExA(layout.exStyle, layout.className, layout.text, layout.style, layout.x,
                            layout.y, layout.width, layout.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        HFONT font = layout.font == Font::Combo    ? comboFont_.get()
                     : layout.font == Font::System ? systemFont_.get()
                                                   : boldFont_.get();
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (layout.named)
            controls_[layout.control] = control;
        return control;
    };
    for (const ControlLayout& layout : GeneralPageControls())
        make(layout);
    for (const ControlLayout& layout : OptionsPageControls())
        make(layout);
    for (const ControlLayout& layout : BottomButtons())
        make(layout);

    SendMessageA(Control(Ctl::txtToolTip), EM_LIMITTEXT, 64, 0);
    for (const char* mode : {"Normal", "Maximized", "Minimized", "Hidden"})
        SendMessageA(Control(Ctl::cbStartMode), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mode));
    SendMessageA(Control(Ctl::chkHide), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(Control(Ctl::cbSmallIcons), BM_SETCHECK, BST_CHECKED, 0);

    HWND general = pages_[kGeneralPage].hwnd();
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            kChild | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER |
                                LVS_SHOWSELALWAYS,
                            8, 124, 240, 162, general, nullptr, nullptr, nullptr);
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
    images_.reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4));
    SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_.get()));
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = 200;
    SendMessageA(list_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));

    HWND panel =
        CreateWindowExA(0, "STATIC", "", kChild | SS_SUNKEN, 277, 228, 44, 43, general,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPanelId)), nullptr, nullptr);
    preview_ = CreateWindowExA(0, "STATIC", "", kChild | SS_ICON, 2, 3, 35, 32, panel, nullptr,
                               nullptr, nullptr);
    SelectPage(kGeneralPage);
}

void OptionsWindow::SelectPage(int page) {
    SendMessageA(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    for (int i = 0; i < 2; ++i)
        ShowWindow(pages_[i].hwnd(), i == page ? SW_SHOW : SW_HIDE);
}

HWND OptionsWindow::Control(Ctl control) const {
    const auto found = controls_.find(control);
    return found == controls_.end() ? nullptr : found->second;
}

bool OptionsWindow::PreTranslate(MSG& msg) {
    return hwnd() && IsWindowVisible(hwnd()) && IsDialogMessageA(hwnd(), &msg);
}

LRESULT OptionsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kStartupTimer && form_)
            Run([this] { form_->Timer1Timer(); });
        return 0;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return DefaultHandling(message, wParam, lParam);
    case kWmTrayNotify:
        if (form_)
            Run([&] {
                form_->WMTrayNotify(static_cast<std::uint32_t>(wParam),
                                    static_cast<std::uint32_t>(lParam));
            });
        return 0;
    case kWmExplorerWindow:
        if (form_)
            Run([&] {
                form_->WMExplorerWindow(ToRef<WindowRef>(reinterpret_cast<HWND>(wParam)),
                                        static_cast<std::intptr_t>(lParam));
            });
        return 0;
    case WM_MEASUREITEM:
        return OnMeasureItem(wParam, lParam);
    case WM_DRAWITEM:
        return OnDrawItem(wParam, lParam);
    case WM_NOTIFY:
        OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IdOf(Ctl::btnOkay), DC_HASDEFID);
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
        if (form_)
            Run([this] { form_->FormDestroy(); });
        PostQuitMessage(0);
        return 0;
    default:
        if (message == taskbarCreated_ && taskbarCreated_ != 0 && form_) {
            Run([this] { form_->RestoreTrayIcons(); });
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }
}

LRESULT OptionsWindow::OnMeasureItem(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    MeasureItemRequest request{item->CtlType,   item->CtlID,      item->itemID,
                               item->itemWidth, item->itemHeight, item->itemData};
    bool answered = false;
    if (form_)
        Run([&] { answered = form_->WMMeasureItem(canvas_, request); });
    if (!answered)
        return DefaultHandling(WM_MEASUREITEM, wParam, lParam);
    item->itemWidth = request.itemWidth;
    item->itemHeight = request.itemHeight;
    return TRUE;
}

LRESULT OptionsWindow::OnDrawItem(WPARAM wParam, LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    DrawItemRequest request;
    request.CtlType = item->CtlType;
    request.CtlID = item->CtlID;
    request.itemID = item->itemID;
    request.itemAction = item->itemAction;
    request.itemState = item->itemState;
    request.hwndItem = reinterpret_cast<std::uintptr_t>(item->hwndItem);
    request.hDC = ToRef<DeviceContextRef>(item->hDC);
    request.rcItem =
        Rect{item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom};
    request.itemData = item->itemData;
    bool drawn = false;
    if (form_)
        Run([&] { drawn = form_->WMDrawItem(canvas_, request); });
    if (!drawn)
        DefaultHandling(WM_DRAWITEM, wParam, lParam);
    return TRUE;
}

void OptionsWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!form_)
        return;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0) {
        // A command chosen on the pop-up menu.
        Run([&] { form_->WMCommand(static_cast<std::uint32_t>(wParam), 0); });
        return;
    }
    if (id == IdOf(Ctl::txtPath) && code == EN_CHANGE) {
        Run([this] { form_->txtPathChange(); });
        return;
    }
    if (code != BN_CLICKED)
        return;
    if (id == IdOf(Ctl::btnOkay))
        Run([this] { form_->btnOkayClick(); });
    else if (id == IdOf(Ctl::BitBtn1))
        PostMessageA(hwnd(), WM_CLOSE, 0, 0);
    else if (id == IdOf(Ctl::cbSingle))
        Run([this] { form_->cbSingleClick(); });
    else if (id == IdOf(Ctl::cbPopUp))
        Run([this] { form_->cbPopUpClick(); });
    else if (id == IdOf(Ctl::cbSmallIcons))
        Run([this] { form_->cbSmallIconsClick(); });
    else if (id == IdOf(Ctl::btnHelp))
        Run([this] { form_->btnHelpClick(); });
}

void OptionsWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == tabs_ && header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        SelectPage(static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0)));
    } else if (header.hwndFrom == list_ && header.code == static_cast<UINT>(NM_CLICK) && form_) {
        Run([this] { form_->ListView1Click(); });
    }
}

void OptionsWindow::OnClose() {
    if (!form_) {
        DestroyWindow(ApplicationHandle());
        return;
    }
    // A failed save keeps the window open; the error has been reported.
    bool closed = false;
    Run([&] {
        form_->FormClose();
        closed = true;
    });
    if (closed && !ending_)
        EndProgram();
}

void OptionsWindow::OnEndSession() {
    if (form_ && !ending_)
        form_->EndSession();
}

// --- FormView ---------------------------------------------------------------

WindowRef OptionsWindow::Handle() {
    return ToRef<WindowRef>(hwnd());
}

std::string OptionsWindow::Text(Ctl control) {
    HWND window = Control(control);
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0u);
}

void OptionsWindow::SetText(Ctl control, const std::string& text) {
    // Setting the text a field already holds is no change.
    if (Text(control) != text)
        SetWindowTextA(Control(control), text.c_str());
}

bool OptionsWindow::Checked(Ctl control) {
    return SendMessageA(Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionsWindow::SetChecked(Ctl control, bool checked) {
    SendMessageA(Control(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool OptionsWindow::Enabled(Ctl control) {
    return IsWindowEnabled(Control(control)) != FALSE;
}

void OptionsWindow::SetEnabled(Ctl control, bool enabled) {
    EnableWindow(Control(control), enabled ? TRUE : FALSE);
}

int OptionsWindow::ComboIndex() {
    return static_cast<int>(SendMessageA(Control(Ctl::cbStartMode), CB_GETCURSEL, 0, 0));
}

void OptionsWindow::SetComboIndex(int index) {
    SendMessageA(Control(Ctl::cbStartMode), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void OptionsWindow::SetPreviewIcon(IconRef icon) {
    SendMessageA(preview_, STM_SETICON, reinterpret_cast<WPARAM>(FromRef<HICON>(icon)), 0);
}

void OptionsWindow::AddListRow(int index, const std::string& caption, IconRef icon) {
    const int image =
        icon == IconRef::None ? -1 : ImageList_AddIcon(images_.get(), FromRef<HICON>(icon));
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.iImage = image;
    item.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(list_, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
}

void OptionsWindow::AppendListRowWithoutImage(const std::string& caption) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = RowCount();
    item.iImage = -1;
    item.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(list_, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
}

void OptionsWindow::DeleteListRow(int index) {
    SendMessageA(list_, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

int OptionsWindow::SelectedRow() {
    return static_cast<int>(
        SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void OptionsWindow::SelectRow(int index) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

int OptionsWindow::RowCount() {
    return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
}

void OptionsWindow::HideApplicationWindow() {
    ShowWindow(ApplicationHandle(), SW_HIDE);
}

void OptionsWindow::RestoreApplicationWindow() {
    ShowWindow(ApplicationHandle(), SW_RESTORE);
}

void OptionsWindow::ForegroundApplicationWindow() {
    SetForegroundWindow(ApplicationHandle());
}

void OptionsWindow::HideOptionsWindow() {
    ShowWindow(hwnd(), SW_HIDE);
}

void OptionsWindow::SetOptionsWindowNormal() {
    // A hidden window stays hidden; it comes back restored when it is shown.
    if (!IsWindowVisible(hwnd()))
        return;
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    // The welcome window stays above the window it welcomes to.
    if (welcome_.Exists() && IsWindowVisible(welcome_.hwnd()))
        SetWindowPos(welcome_.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void OptionsWindow::ShowOptionsWindow() {
    if (IsIconic(hwnd()))
        ShowWindow(hwnd(), SW_RESTORE);
    else
        ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
}

void OptionsWindow::StopStartupTimer() {
    KillTimer(hwnd(), kStartupTimer);
}

void OptionsWindow::ShowWelcome() {
    welcome_.Show(hwnd());
}

void OptionsWindow::ShowMessage(const std::string& text, const std::string& caption) {
    MessageBoxA(ApplicationHandle(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

void OptionsWindow::EndProgram() {
    if (ending_)
        return;
    ending_ = true;
    // Destroying the application window destroys the options window it owns,
    // which runs FormDestroy and ends the message loop.
    DestroyWindow(ApplicationHandle());
}

} // namespace corvane::win32
