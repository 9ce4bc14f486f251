#include "tray/win32/shell_icons_win32.h"

#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"
#include "tray/tray_notify.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace corvane::win32 {

static_assert(NOTIFYICONDATAW_V1_SIZE == kNotifyIconRecordSize,
              "the first form of the tray record");
static_assert(offsetof(NOTIFYICONDATAW, hIcon) == offsetof(NotifyIconRecord, hIcon) &&
              offsetof(NOTIFYICONDATAW, szTip) == offsetof(NotifyIconRecord, szTip));
static_assert(sizeof(SHFILEINFOW) == kFileInfoRecordSize, "the file information record");
static_assert(offsetof(SHFILEINFOW, szDisplayName) == offsetof(FileInfoRecord, szDisplayName) &&
              offsetof(SHFILEINFOW, szTypeName) == offsetof(FileInfoRecord, szTypeName));
static_assert(NotifyIconRecord::kFlagsMessageIconTip == (NIF_MESSAGE | NIF_ICON | NIF_TIP));
static_assert(static_cast<DWORD>(NotifyOp::Add) == NIM_ADD &&
              static_cast<DWORD>(NotifyOp::Modify) == NIM_MODIFY &&
              static_cast<DWORD>(NotifyOp::Delete) == NIM_DELETE);
static_assert(kShgfiIcon == SHGFI_ICON && kShgfiDisplayName == SHGFI_DISPLAYNAME &&
              kShgfiSysIconIndex == SHGFI_SYSICONINDEX && kShgfiSmallIcon == SHGFI_SMALLICON);
static_assert(kIldNormal == ILD_NORMAL);
static_assert(kWmUser == WM_USER && kWmTrayNotify == WM_USER + 13);
static_assert(kWmLButtonDown == WM_LBUTTONDOWN && kWmLButtonDblClk == WM_LBUTTONDBLCLK &&
              kWmRButtonDown == WM_RBUTTONDOWN);

bool Win32ShellIcons::NotifyIcon(NotifyOp op, const NotifyIconRecord& record) {
    NOTIFYICONDATAW data{};
    data.cbSize = record.cbSize;
    data.hWnd = FromRef<HWND>(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = FromRef<HICON>(record.hIcon);
    static_assert(sizeof data.szTip >= sizeof record.szTip);
    std::memcpy(data.szTip, record.szTip.data(), sizeof record.szTip);
    return Shell_NotifyIconW(static_cast<DWORD>(op), &data) != FALSE;
}

std::uintptr_t Win32ShellIcons::GetFileInfo(const char* path, std::uint32_t attributes,
                                            FileInfoRecord& record, std::uint32_t recordSize,
                                            std::uint32_t flags) {
    SHFILEINFOW info;
    std::memset(&info, 0, sizeof info);
    const DWORD_PTR result =
        SHGetFileInfoW(Wide(path).c_str(), attributes, &info, recordSize, flags);
    // A request that found nothing answers 0, and Wine then leaves an icon
    // field in the record that is no icon: nothing of it is handed on.
    if (result == 0)
        std::memset(&info, 0, sizeof info);
    record.hIcon = ToRef<IconRef>(info.hIcon);
    record.iIcon = info.iIcon;
    record.dwAttributes = info.dwAttributes;
    std::memcpy(record.szDisplayName.data(), info.szDisplayName, sizeof record.szDisplayName);
    std::memcpy(record.szTypeName.data(), info.szTypeName, sizeof record.szTypeName);
    record.szDisplayName.back() = u'\0';
    record.szTypeName.back() = u'\0';
    return static_cast<std::uintptr_t>(result);
}

IconRef Win32ShellIcons::ImageListGetIcon(ImageListRef list, std::int32_t index,
                                          std::uint32_t flags) {
    return ToRef<IconRef>(ImageList_GetIcon(FromRef<HIMAGELIST>(list), index, flags));
}

void Win32ShellIcons::DestroyIcon(IconRef icon) {
    if (icon == IconRef::None)
        return;
    ::DestroyIcon(FromRef<HICON>(icon));
}

} // namespace corvane::win32
