#include "tray/win32/tray_icons_win32.h"

#include "core/text.h"
#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"
#include "tray/tray_notify.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <iterator>

namespace corvane::win32 {
namespace {

static_assert(kWmTrayNotify == WM_USER + 13);
static_assert(kWmLButtonDown == WM_LBUTTONDOWN && kWmLButtonDblClk == WM_LBUTTONDBLCLK &&
              kWmRButtonDown == WM_RBUTTONDOWN);

// SHGetFileInfoW on a zeroed record: the shell leaves the record untouched
// for a file it cannot find, and may then write an icon field that is no
// icon (Wine does), so a record of a request that found nothing is zeroed
// again. An empty path names no file (the shell would answer for the current
// folder): nothing is asked. The path goes whole: cut, it could name another
// file; too long for the shell, it finds nothing.
DWORD_PTR FileInfo(const std::string& path, UINT flags, SHFILEINFOW& info) {
    info = SHFILEINFOW{};
    if (path.empty())
        return 0;
    const DWORD_PTR result = SHGetFileInfoW(Wide(path).c_str(), 0, &info, sizeof info, flags);
    if (result == 0)
        info = SHFILEINFOW{};
    return result;
}

UINT SizeFlag(IconSize size) {
    return size == IconSize::Small ? SHGFI_SMALLICON : 0;
}

} // namespace

ScopedIcon Win32FileIcons::Icon(const std::string& path, IconSize size) {
    SHFILEINFOW info;
    FileInfo(path, SHGFI_ICON | SizeFlag(size), info);
    return ScopedIcon(*this, ToRef<IconRef>(info.hIcon));
}

ScopedIcon Win32FileIcons::ListIcon(const std::string& path, IconSize size) {
    SHFILEINFOW info;
    const DWORD_PTR list = FileInfo(path, SHGFI_SYSICONINDEX | SizeFlag(size), info);
    if (list == 0)
        return ScopedIcon(*this, IconRef::None);
    return ScopedIcon(*this, ToRef<IconRef>(ImageList_GetIcon(reinterpret_cast<HIMAGELIST>(list),
                                                              info.iIcon, ILD_NORMAL)));
}

std::string Win32FileIcons::DisplayName(const std::string& path) {
    SHFILEINFOW info;
    FileInfo(path, SHGFI_DISPLAYNAME, info);
    info.szDisplayName[MAX_PATH - 1] = L'\0';
    return Narrow(info.szDisplayName);
}

void Win32FileIcons::DestroyIcon(IconRef icon) {
    if (icon != IconRef::None)
        ::DestroyIcon(FromRef<HICON>(icon));
}

bool Win32TrayIcons::Show(int id, const std::string& iconFile, const std::string& tip) {
    // The tray keeps its own copy of the icon.
    const ScopedIcon icon = files_.Icon(iconFile, IconSize::Small);
    return Put(id, FromRef<HICON>(icon.get()), tip);
}

bool Win32TrayIcons::ShowProgramIcon(int id, const std::string& tip) {
    // A shared icon of the program's resources, never destroyed.
    return Put(id, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"), tip);
}

NOTIFYICONDATAW TrayIconRecord(HWND owner, int id, HICON icon, const std::string& tip) {
    // The record's full form, which every shell since Windows Vista takes: its
    // tip, the icon's accessible name, holds 127 units where the first form
    // held 63.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = static_cast<UINT>(id);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kWmTrayNotify;
    data.hIcon = icon;
    // The whole characters that fit before the terminating zero.
    const std::wstring text = Wide(CutToUtf16(UpToFirstZero(tip), std::size(data.szTip) - 1));
    std::copy(text.begin(), text.end(), data.szTip);
    return data;
}

bool Win32TrayIcons::Put(int id, HICON icon, const std::string& tip) {
    NOTIFYICONDATAW data = TrayIconRecord(FromRef<HWND>(owner_), id, icon, tip);
    // A change of an icon the tray holds; else a new icon. A tray that
    // announces a start may still hold the icon, and one that restarted has
    // lost it.
    return Shell_NotifyIconW(NIM_MODIFY, &data) || Shell_NotifyIconW(NIM_ADD, &data);
}

void Win32TrayIcons::Remove(int id) {
    Tell(NIM_DELETE, id);
}

void Win32TrayIcons::ReturnFocus(int id) {
    Tell(NIM_SETFOCUS, id);
}

void Win32TrayIcons::Tell(DWORD message, int id) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = FromRef<HWND>(owner_);
    data.uID = static_cast<UINT>(id);
    Shell_NotifyIconW(message, &data);
}

} // namespace corvane::win32
