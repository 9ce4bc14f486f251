#pragma once
// Tray icons and file icons through the real shell.
#include "tray/shell_icon_api.h"

namespace corvane::win32 {

class Win32ShellIcons : public ShellIconApi {
public:
    bool NotifyIcon(NotifyOp op, const NotifyIconRecord& record) override;
    std::uintptr_t GetFileInfo(const char* path, std::uint32_t attributes, FileInfoRecord& record,
                               std::uint32_t recordSize, std::uint32_t flags) override;
    IconRef ImageListGetIcon(ImageListRef list, std::int32_t index, std::uint32_t flags) override;
    void DestroyIcon(IconRef icon) override;
};

} // namespace corvane::win32
