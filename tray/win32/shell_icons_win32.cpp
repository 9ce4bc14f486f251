#include "tray/win32/shell_icons_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <atomic>
#include <cstring>

namespace corvane::win32 {
namespace {

std::atomic<long> liveIcons{0};

static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the first form of the tray record");
static_assert(sizeof(SHFILEINFOA) == FileInfoRecord::kSize, "the file information record");

} // namespace

bool Win32ShellIcons::NotifyIcon(NotifyOp op, const NotifyIconRecord& record) {
    NOTIFYICONDATAA data{};
    data.cbSize = record.cbSize;
    data.hWnd = reinterpret_cast<HWND>(RawOf(record.hWnd));
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(RawOf(record.hIcon));
    static_assert(sizeof data.szTip >= sizeof record.szTip);
    std::memcpy(data.szTip, record.szTip.data(), record.szTip.size());
    return Shell_NotifyIconA(static_cast<DWORD>(op), &data) != FALSE;
}

std::uintptr_t Win32ShellIcons::GetFileInfo(const char* path, std::uint32_t attributes,
                                            FileInfoRecord& record, std::uint32_t recordSize,
                                            std::uint32_t flags) {
    SHFILEINFOA info;
    std::memset(&info, 0, sizeof info);
    const DWORD_PTR result = SHGetFileInfoA(path, attributes, &info, recordSize, flags);
    record.hIcon = RefOf<IconRef>(reinterpret_cast<std::uintptr_t>(info.hIcon));
    record.iIcon = info.iIcon;
    record.dwAttributes = info.dwAttributes;
    std::memcpy(record.szDisplayName.data(), info.szDisplayName, record.szDisplayName.size());
    std::memcpy(record.szTypeName.data(), info.szTypeName, record.szTypeName.size());
    record.szDisplayName.back() = '\0';
    record.szTypeName.back() = '\0';
    if (info.hIcon)
        ++liveIcons;
    return static_cast<std::uintptr_t>(result);
}

IconRef Win32ShellIcons::ImageListGetIcon(ImageListRef list, std::int32_t index,
                                          std::uint32_t flags) {
    HICON icon = ImageList_GetIcon(reinterpret_cast<HIMAGELIST>(RawOf(list)), index, flags);
    if (icon)
        ++liveIcons;
    return RefOf<IconRef>(reinterpret_cast<std::uintptr_t>(icon));
}

void Win32ShellIcons::DestroyIcon(IconRef icon) {
    if (icon == IconRef::None)
        return;
    ::DestroyIcon(reinterpret_cast<HICON>(RawOf(icon)));
    --liveIcons;
}

long Win32ShellIcons::LiveIcons() {
    return liveIcons.load();
}

} // namespace corvane::win32
