// The options window as the program sees it (FormView).
#include "ui/win32/options_window.h"

#include "core/win32/wide.h"

#include <commctrl.h>

#include <vector>

namespace corvane::win32 {
namespace {

// The index of a row's image, or I_IMAGENONE.
int RowImage(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    return SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? item.iImage
                                                                                : I_IMAGENONE;
}

void SetRowImage(HWND list, int row, int image) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = image;
    SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

// Takes an image out of the list; the images after it move down one place,
// and so do the indices of the rows that show them.
void RemoveImage(HWND list, HIMAGELIST images, int image) {
    ImageList_Remove(images, image);
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row)
        if (const int shown = RowImage(list, row); shown > image)
            SetRowImage(list, row, shown - 1);
}

} // namespace

WindowRef OptionsWindow::Handle() {
    return ToRef<WindowRef>(tray_.hwnd());
}

WindowRef OptionsWindow::DialogOwner() {
    return ToRef<WindowRef>(hwnd());
}

bool OptionsWindow::OptionsWindowMade() {
    return hwnd() != nullptr;
}

std::string OptionsWindow::Text(Ctl control) {
    HWND window = Control(control);
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, buffer.data(), length + 1);
    return Narrow({buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0u});
}

void OptionsWindow::SetText(Ctl control, const std::string& text) {
    // Setting the text a field already holds is no change.
    if (Text(control) != text)
        SetWindowTextW(Control(control), Wide(text).c_str());
}

bool OptionsWindow::Checked(Ctl control) {
    return SendMessageW(Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionsWindow::SetChecked(Ctl control, bool checked) {
    SendMessageW(Control(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool OptionsWindow::Enabled(Ctl control) {
    return IsWindowEnabled(Control(control)) != FALSE;
}

void OptionsWindow::SetEnabled(Ctl control, bool enabled) {
    EnableWindow(Control(control), enabled ? TRUE : FALSE);
}

int OptionsWindow::ComboIndex() {
    return static_cast<int>(SendMessageW(Control(Ctl::StartModeList), CB_GETCURSEL, 0, 0));
}

void OptionsWindow::SetComboIndex(int index) {
    SendMessageW(Control(Ctl::StartModeList), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void OptionsWindow::SetPreviewIcon(IconRef icon) {
    SendMessageW(controls_.preview, STM_SETICON, reinterpret_cast<WPARAM>(FromRef<HICON>(icon)), 0);
}

void OptionsWindow::WriteListRow(bool insert, int index, const std::string& caption, IconRef icon) {
    // The image list keeps one image of its own for each row that shows
    // one: a changed row's image is replaced in its place. A row without one
    // says so: -1 would ask the window for an image (I_IMAGECALLBACK).
    HIMAGELIST images = resources_.images.get();
    HICON picture = FromRef<HICON>(icon);
    int image = insert ? I_IMAGENONE : RowImage(controls_.list, index);
    if (image >= 0 && (!picture || ImageList_ReplaceIcon(images, image, picture) < 0)) {
        RemoveImage(controls_.list, images, image);
        image = I_IMAGENONE;
    }
    if (image < 0 && picture) {
        const int added = ImageList_AddIcon(images, picture);
        image = added >= 0 ? added : I_IMAGENONE;
    }
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.iImage = image;
    std::wstring text = Wide(caption);
    item.pszText = text.data();
    SendMessageW(controls_.list, insert ? LVM_INSERTITEMW : LVM_SETITEMW, 0,
                 reinterpret_cast<LPARAM>(&item));
    SendMessageW(controls_.list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
}

void OptionsWindow::AddListRow(int index, const std::string& caption, IconRef icon) {
    WriteListRow(true, index, caption, icon);
}

void OptionsWindow::SetListRow(int index, const std::string& caption, IconRef icon) {
    WriteListRow(false, index, caption, icon);
}

void OptionsWindow::DeleteListRow(int index) {
    const int image = RowImage(controls_.list, index);
    SendMessageW(controls_.list, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    if (image >= 0)
        RemoveImage(controls_.list, resources_.images.get(), image);
}

int OptionsWindow::SelectedRow() {
    return static_cast<int>(
        SendMessageW(controls_.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void OptionsWindow::SelectRow(int index) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(controls_.list, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

void OptionsWindow::HideApplicationWindow() {
    ShowWindow(ApplicationHandle(), SW_HIDE);
}

void OptionsWindow::RestoreApplicationWindow() {
    ShowWindow(ApplicationHandle(), SW_RESTORE);
}

void OptionsWindow::TakeForeground() {
    SetForegroundWindow(tray_.hwnd());
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
    tray_.StopStartupTimer();
}

void OptionsWindow::StartTrayRetryTimer(unsigned milliseconds) {
    tray_.StartTrayRetryTimer(milliseconds);
}

void OptionsWindow::StopTrayRetryTimer() {
    tray_.StopTrayRetryTimer();
}

void OptionsWindow::ShowWelcome() {
    welcome_.Show(hwnd());
}

void OptionsWindow::ShowMessage(const std::string& text, const std::string& caption) {
    ShowMessageBox(hwnd(), text, caption, MB_OK | MB_ICONERROR);
}

bool OptionsWindow::AskYesNo(const std::string& text, const std::string& caption) {
    return ShowMessageBox(hwnd(), text, caption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
           IDYES;
}

void OptionsWindow::EndProgram() {
    if (ending_)
        return;
    ending_ = true;
    // Destroying the application window destroys the options window it owns;
    // the tray window goes last, which ends the message loop.
    if (ApplicationHandle())
        DestroyWindow(ApplicationHandle());
    tray_.End();
}

} // namespace corvane::win32
