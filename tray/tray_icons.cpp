#include "tray/tray_icons.h"

#include "core/text.h"
#include "core/utf16.h"

#include <algorithm>

namespace corvane {
namespace {

NotifyIconRecord BaseRecord(std::int32_t id, WindowRef window) {
    NotifyIconRecord record;
    record.cbSize = kNotifyIconRecordSize;
    record.hWnd = window;
    record.uID = static_cast<std::uint32_t>(id);
    record.uFlags = NotifyIconRecord::kFlagsMessageIconTip;
    return record;
}

FileInfoRecord QueryFileInfo(ShellIconApi& shell, const std::string& path, std::uint32_t flags,
                             std::uintptr_t* result = nullptr) {
    // A fresh, zeroed record every call: the shell leaves it untouched for a
    // file it cannot find, and a stale icon must never come back.
    FileInfoRecord record{};
    // An empty path names no file; the shell would answer for the current
    // folder instead.
    if (path.empty()) {
        if (result)
            *result = 0;
        return record;
    }
    // The path goes whole: cut, it could name another file and show that
    // file's icon; too long for the shell, it finds nothing.
    const std::uintptr_t answer =
        shell.GetFileInfo(path.c_str(), 0, record, kFileInfoRecordSize, flags);
    if (result)
        *result = answer;
    // Every request made here answers 0 when the shell found nothing, and
    // then the record may hold anything (some shells write an icon field
    // that is no icon): nothing of it is used, let alone destroyed.
    if (answer == 0)
        return FileInfoRecord{};
    return record;
}

} // namespace

NotifyIconRecord MakeTrayRecord(std::int32_t id, WindowRef window, IconRef icon,
                                const std::string& tip) {
    NotifyIconRecord record = BaseRecord(id, window);
    record.uCallbackMessage = kWmTrayNotify;
    record.hIcon = icon;
    // The whole characters that fit before the terminating zero.
    const std::u16string text =
        Utf8ToUtf16(CutToUtf16(UpToFirstZero(tip), record.szTip.size() - 1));
    std::copy(text.begin(), text.end(), record.szTip.begin());
    return record;
}

bool TrayAddIcon(ShellIconApi& shell, std::int32_t id, WindowRef window, IconRef icon,
                 const std::string& tip) {
    return shell.NotifyIcon(NotifyOp::Add, MakeTrayRecord(id, window, icon, tip));
}

bool TrayModifyIcon(ShellIconApi& shell, std::int32_t id, WindowRef window, IconRef icon,
                    const std::string& tip) {
    return shell.NotifyIcon(NotifyOp::Modify, MakeTrayRecord(id, window, icon, tip));
}

bool TrayDeleteIcon(ShellIconApi& shell, std::int32_t id, WindowRef window) {
    return shell.NotifyIcon(NotifyOp::Delete, BaseRecord(id, window));
}

IconRef GetFileIconHandle(ShellIconApi& shell, const std::string& path, bool small) {
    return QueryFileInfo(shell, path, kShgfiIcon | (small ? kShgfiSmallIcon : 0)).hIcon;
}

std::string GetFileDisplayName(ShellIconApi& shell, const std::string& path) {
    const FileInfoRecord record = QueryFileInfo(shell, path, kShgfiDisplayName);
    const std::u16string_view name(record.szDisplayName.data(), record.szDisplayName.size());
    return Utf16ToUtf8(name.substr(0, name.find(u'\0')));
}

IconRef GetSystemImageIcon(ShellIconApi& shell, const std::string& path, bool small) {
    const std::uint32_t flags = kShgfiSysIconIndex | (small ? kShgfiSmallIcon : 0);
    std::uintptr_t list = 0;
    const FileInfoRecord record = QueryFileInfo(shell, path, flags, &list);
    if (list == 0)
        return IconRef::None;
    return shell.ImageListGetIcon(RefOf<ImageListRef>(list), record.iIcon, kIldNormal);
}

} // namespace corvane
