#include "ui/win32/options_layout.h"

#include "core/win32/dpi_win32.h"
#include "core/win32/wide.h"

#include <commctrl.h>

namespace corvane::win32 {
namespace {

constexpr int kPanelId = 90;
constexpr int kTabsId = 91;

static_assert(style::kChild == WS_CHILD && style::kVisible == WS_VISIBLE &&
              style::kDisabled == WS_DISABLED && style::kClipSiblings == WS_CLIPSIBLINGS &&
              style::kVScroll == WS_VSCROLL && style::kTabStop == WS_TABSTOP &&
              style::kClientEdge == WS_EX_CLIENTEDGE);
static_assert(style::kLeftNoWordWrap == SS_LEFTNOWORDWRAP &&
              style::kAutoHScroll == ES_AUTOHSCROLL && style::kDefPushButton == BS_DEFPUSHBUTTON &&
              style::kAutoCheckBox == BS_AUTOCHECKBOX && style::kDropDownList == CBS_DROPDOWNLIST);
static_assert(style::kEntryList == (LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                                    LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS));

HMENU IdAsMenu(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

// The buttons that show a small picture beside their caption, and the icon
// resource of each picture.
struct ButtonPicture {
    Ctl control;
    const char* resource;
};
constexpr ButtonPicture kButtonPictures[] = {
    {Ctl::MinimizeButton, "BTN_TICK"}, {Ctl::QuitButton, "BTN_DOOR"},
    {Ctl::AboutButton, "BTN_INFO"},    {Ctl::HelpButton, "BTN_HELP"},
    {Ctl::AddButton, "BTN_ADD"},       {Ctl::DeleteButton, "BTN_DELETE"},
    {Ctl::ModifyButton, "BTN_MODIFY"},
};

// With Common Controls 6 a push button shows an image set on it beside its
// caption, here the picture drawn for the DPI's size. A program built
// without the pictures shows the captions alone.
void SetButtonPictures(const OptionsControls& made, OptionsResources& resources, int dpi) {
    const int size = ScaleToDpi(kButtonPictureSize, dpi);
    std::vector<UniqueIcon> pictures;
    for (const ButtonPicture& picture : kButtonPictures) {
        UniqueIcon icon(
            static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), Wide(picture.resource).c_str(),
                                          IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        if (!icon)
            continue;
        SendMessageW(made.named.at(picture.control), BM_SETIMAGE, IMAGE_ICON,
                     reinterpret_cast<LPARAM>(icon.get()));
        pictures.push_back(std::move(icon));
    }
    resources.pictures = std::move(pictures);
}

// The list's images at the DPI's small icon size. The images it holds are
// carried over, scaled, until the program looks them up again at that size
// (OptionsWindowEvents::OnDpiChanged).
void SetListImages(HWND list, OptionsResources& resources, int dpi) {
    const int size = MetricForDpi(SM_CXSMICON, dpi);
    int width = 0, height = 0;
    if (resources.images && ImageList_GetIconSize(resources.images.get(), &width, &height) &&
        width == size)
        return;
    UniqueImageList images(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 4, 4));
    const int count = resources.images ? ImageList_GetImageCount(resources.images.get()) : 0;
    for (int i = 0; i < count; ++i) {
        UniqueIcon icon(ImageList_GetIcon(resources.images.get(), i, ILD_NORMAL));
        ImageList_AddIcon(images.get(), icon.get());
    }
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images.get()));
    resources.images = std::move(images);
}

} // namespace

void LayOutOptionsControls(HWND window, PageWindow (&pages)[2], OptionsControls& controls,
                           OptionsResources& resources, int dpi) {
    const DesignRect notebook = ScaleToDpi(kNotebookRect, dpi);
    SetWindowPos(controls.tabs, nullptr, notebook.x, notebook.y, notebook.width, notebook.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    controls.scaled.LayOut(dpi);
    const HFONT normal = controls.scaled.Font(FontRole::Normal);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(normal), FALSE);
    SendMessageW(controls.tabs, WM_SETFONT, reinterpret_cast<WPARAM>(normal), TRUE);
    // The pages lie over the notebook's display area.
    RECT area{};
    GetClientRect(controls.tabs, &area);
    SendMessageW(controls.tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(controls.tabs, window, reinterpret_cast<POINT*>(&area), 2);
    for (PageWindow& page : pages)
        SetWindowPos(page.hwnd(), nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetListImages(controls.list, resources, dpi);
    SendMessageW(controls.list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
    SetButtonPictures(controls, resources, dpi);
    InvalidateRect(window, nullptr, TRUE);
}

OptionsControls CreateOptionsControls(HWND window, PageWindow (&pages)[2],
                                      OptionsResources& resources) {
    OptionsControls made;
    made.tabs = CreateWindowExW(0, WC_TABCONTROLW, L"",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0, 0, 0,
                                window, IdAsMenu(kTabsId), nullptr, nullptr);
    const wchar_t* captions[] = {L"General", L"Options"};
    for (int i = 0; i < 2; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions[i]);
        SendMessageW(made.tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    for (PageWindow& page : pages)
        page.Create(window, RECT{}, window);

    for (const ControlRow& row : OptionsControlRows()) {
        HWND parent = row.page == Page::Window ? window : pages[static_cast<int>(row.page)].hwnd();
        HWND control = made.scaled.Add(parent, row.className, row.text, row.style, row.exStyle,
                                       row.rect, row.font, row.named ? ControlId(row.control) : 0);
        if (row.named)
            made.named[row.control] = control;
    }
    // The pages lie above the notebook, which paints around them, and the
    // notebook comes last among the window's controls: from its tabs, at the
    // top, Tab goes through the shown page, then the buttons below, and back.
    SetWindowPos(made.tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    SendMessageW(made.named.at(Ctl::DescriptionField), EM_LIMITTEXT, 64, 0);
    for (const wchar_t* mode : {L"Normal", L"Maximized", L"Minimized", L"Hidden"})
        SendMessageW(made.named.at(Ctl::StartModeList), CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(mode));
    // "Normal" until an entry says otherwise: no entry is ever stored without
    // a start mode.
    SendMessageW(made.named.at(Ctl::StartModeList), CB_SETCURSEL, 0, 0);
    // A hot key without Ctrl or Alt would take the key from every program:
    // the control adds Ctrl+Alt to one.
    SendMessageW(made.named.at(Ctl::HotKeyField), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                 MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    SendMessageW(made.named.at(Ctl::HideOnStartBox), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(made.named.at(Ctl::SmallIconsBox), BM_SETCHECK, BST_CHECKED, 0);

    HWND general = pages[kGeneralPage].hwnd();
    made.list = made.named.at(Ctl::EntryList);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = kEntryColumnWidth;
    SendMessageW(made.list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));

    HWND frame = made.scaled.Add(general, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_SUNKEN, 0,
                                 kPreviewFrameRect, FontRole::Normal, kPanelId);
    // The icon box takes the size of the icon it shows.
    made.preview = made.scaled.Add(frame, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, 0,
                                   kPreviewIconRect, FontRole::Normal, 0, true);
    LayOutOptionsControls(window, pages, made, resources, WindowDpi(window));
    return made;
}

} // namespace corvane::win32
