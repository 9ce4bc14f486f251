#include "ui/win32/options_layout.h"

#include "core/win32/wide.h"

#include <commctrl.h>

#include <vector>

namespace corvane::win32 {
namespace {

constexpr int kNoPage = -1;
constexpr int kPanelId = 90;
constexpr int kTabsId = 91;

HMENU IdAsMenu(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
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
        Named(Ctl::btnIconBrowse, "BUTTON", "Br&owse...", kButton, 0, kGeneralPage, 389, 42, 73,
              25),
        Named(Ctl::cbAutoStart, "BUTTON", "Auto Start", kCheck, 0, kGeneralPage, 260, 146, 97, 17),
        Named(Ctl::cbStartMode, "COMBOBOX", "", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
              0, kGeneralPage, 260, 190, 106, 24 + 4 * 18, Font::Combo),
        Named(Ctl::cbRunAsAdmin, "BUTTON", "Run as administrator", kCheck, 0, kGeneralPage, 255,
              276, 120, 17),
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
        {false, Ctl::txtPath, "STATIC", "Hot key for the menu:", kLabel, 0, kOptionsPage, 8, 106,
         130, 17, Font::Bold},
        Named(Ctl::hkHotKey, "msctls_hotkey32", "", kChild | WS_TABSTOP, WS_EX_CLIENTEDGE,
              kOptionsPage, 140, 102, 160, 24),
        {false, Ctl::txtPath, "STATIC",
         "To change the settings in the tool box, right click on any icon that the tool box has "
         "added to the system tray area.",
         kChild | SS_LEFT, 0, kOptionsPage, 19, 216, 395, 73, Font::System},
    };
}

std::vector<ControlLayout> BottomButtons() {
    return {
        Named(Ctl::btnMinimize, "BUTTON", "Minimize", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
              kNoPage, 9, 334, 81, 31),
        Named(Ctl::btnAbout, "BUTTON", "Abo&ut", kButton, 0, kNoPage, 392, 334, 81, 31),
        Named(Ctl::btnQuit, "BUTTON", "&Quit", kButton, 0, kNoPage, 293, 334, 81, 31),
    };
}

// The buttons that show a small picture beside their caption, and the icon
// resource of each picture.
struct ButtonPicture {
    Ctl control;
    const char* resource;
};
constexpr ButtonPicture kButtonPictures[] = {
    {Ctl::btnMinimize, "BTN_TICK"}, {Ctl::btnQuit, "BTN_DOOR"}, {Ctl::btnAbout, "BTN_INFO"},
    {Ctl::btnHelp, "BTN_HELP"},     {Ctl::btnAdd, "BTN_ADD"},   {Ctl::btnDelete, "BTN_DELETE"},
    {Ctl::btnModify, "BTN_MODIFY"},
};

// With Common Controls 6 a push button shows an image set on it beside its
// caption. A program built without the pictures shows the captions alone.
void SetButtonPictures(const OptionsControls& made, OptionsResources& resources) {
    for (const ButtonPicture& picture : kButtonPictures) {
        UniqueIcon icon(
            static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), Wide(picture.resource).c_str(),
                                          IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
        if (!icon)
            continue;
        SendMessageW(made.named.at(picture.control), BM_SETIMAGE, IMAGE_ICON,
                     reinterpret_cast<LPARAM>(icon.get()));
        resources.pictures.push_back(std::move(icon));
    }
}

UniqueFont MakeFont(int height, int weight, const char* face) {
    return UniqueFont(CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, Wide(face).c_str()));
}

} // namespace

OptionsControls CreateOptionsControls(HWND window, PageWindow (&pages)[2],
                                      OptionsResources& resources) {
    OptionsControls made;
    resources.bold = MakeFont(12, FW_BOLD, "Arial");
    resources.combo = MakeFont(13, FW_BOLD, "Arial");
    resources.tab = MakeFont(11, FW_NORMAL, "MS Sans Serif");
    resources.system = MakeFont(13, FW_NORMAL, "System");
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(resources.system.get()), FALSE);

    made.tabs = CreateWindowExW(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 1, 4, 488,
                                322, window, IdAsMenu(kTabsId), nullptr, nullptr);
    SendMessageW(made.tabs, WM_SETFONT, reinterpret_cast<WPARAM>(resources.tab.get()), FALSE);
    const wchar_t* captions[] = {L"General", L"Options"};
    for (int i = 0; i < 2; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions[i]);
        SendMessageW(made.tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    RECT area{};
    GetClientRect(made.tabs, &area);
    SendMessageW(made.tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(made.tabs, window, reinterpret_cast<POINT*>(&area), 2);
    for (PageWindow& page : pages)
        page.Create(window, area, window);
    // The pages lie over the notebook's display area.
    SetWindowPos(made.tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    auto make = [&](const ControlLayout& layout) {
        HWND parent = layout.page == kNoPage ? window : pages[layout.page].hwnd();
        const int id = layout.named ? ControlId(layout.control) : 0;
        HWND control =
            CreateWindowExW(layout.exStyle, Wide(layout.className).c_str(),
                            Wide(layout.text).c_str(), layout.style, layout.x, layout.y,
                            layout.width, layout.height, parent, IdAsMenu(id), nullptr, nullptr);
        HFONT font = layout.font == Font::Combo    ? resources.combo.get()
                     : layout.font == Font::System ? resources.system.get()
                                                   : resources.bold.get();
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (layout.named)
            made.named[layout.control] = control;
        return control;
    };
    for (const ControlLayout& layout : GeneralPageControls())
        make(layout);
    for (const ControlLayout& layout : OptionsPageControls())
        make(layout);
    for (const ControlLayout& layout : BottomButtons())
        make(layout);

    SendMessageW(made.named.at(Ctl::txtToolTip), EM_LIMITTEXT, 64, 0);
    for (const wchar_t* mode : {L"Normal", L"Maximized", L"Minimized", L"Hidden"})
        SendMessageW(made.named.at(Ctl::cbStartMode), CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(mode));
    // "Normal" until an entry says otherwise: no entry is ever stored without
    // a start mode.
    SendMessageW(made.named.at(Ctl::cbStartMode), CB_SETCURSEL, 0, 0);
    // A hot key without Ctrl or Alt would take the key from every program:
    // the control adds Ctrl+Alt to one.
    SendMessageW(made.named.at(Ctl::hkHotKey), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                 MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    SendMessageW(made.named.at(Ctl::chkHide), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(made.named.at(Ctl::cbSmallIcons), BM_SETCHECK, BST_CHECKED, 0);
    SetButtonPictures(made, resources);

    HWND general = pages[kGeneralPage].hwnd();
    made.list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                kChild | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                                    LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                                8, 124, 240, 162, general, nullptr, nullptr, nullptr);
    SendMessageW(made.list, WM_SETFONT, reinterpret_cast<WPARAM>(resources.bold.get()), FALSE);
    resources.images.reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4));
    SendMessageW(made.list, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(resources.images.get()));
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 200;
    SendMessageW(made.list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));

    HWND panel = CreateWindowExW(0, L"STATIC", L"", kChild | SS_SUNKEN, 277, 228, 44, 43, general,
                                 IdAsMenu(kPanelId), nullptr, nullptr);
    made.preview = CreateWindowExW(0, L"STATIC", L"", kChild | SS_ICON, 2, 3, 35, 32, panel,
                                   nullptr, nullptr, nullptr);
    return made;
}

} // namespace corvane::win32
