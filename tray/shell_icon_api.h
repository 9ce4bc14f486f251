#pragma once
// The shell calls behind tray icons and file icons, with their records in the
// shape the shell takes them.
#include "core/handles.h"

#include <array>
#include <cstdint>

namespace corvane {

inline constexpr std::uint32_t kWmUser = 0x400;
inline constexpr std::uint32_t kWmTrayNotify = kWmUser + 13; // 0x40D
inline constexpr std::int32_t kMainIconId = 1111;
inline constexpr const char* kMainIconTip = "Corvane 3.0";

// NOTIFYICONDATAW in its first form, field for field: handles are pointer-sized,
// so it has the size of the target's record (152 bytes for x86, 168 for x64).
// Its tip is UTF-16.
struct NotifyIconRecord {
    static constexpr std::uint32_t kFlagsMessageIconTip = 7; // NIF_MESSAGE | NIF_ICON | NIF_TIP
    std::uint32_t cbSize = 0;
    WindowRef hWnd = WindowRef::None;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconRef hIcon = IconRef::None;
    std::array<char16_t, 64> szTip{};
};
inline constexpr std::uint32_t kNotifyIconRecordSize = sizeof(NotifyIconRecord);

enum class NotifyOp : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };

// SHFILEINFOW, field for field (692 bytes for x86, 696 for x64); its names are
// UTF-16.
struct FileInfoRecord {
    IconRef hIcon = IconRef::None;
    std::int32_t iIcon = 0;
    std::uint32_t dwAttributes = 0;
    std::array<char16_t, 260> szDisplayName{};
    std::array<char16_t, 80> szTypeName{};
};
inline constexpr std::uint32_t kFileInfoRecordSize = sizeof(FileInfoRecord);

inline constexpr std::uint32_t kShgfiIcon = 0x100;
inline constexpr std::uint32_t kShgfiDisplayName = 0x200;
inline constexpr std::uint32_t kShgfiSysIconIndex = 0x4000;
inline constexpr std::uint32_t kShgfiSmallIcon = 0x1;
inline constexpr std::uint32_t kIldNormal = 0;

class ShellIconApi {
public:
    virtual ~ShellIconApi() = default;
    // Shell_NotifyIconW. True when the shell accepted the request.
    virtual bool NotifyIcon(NotifyOp op, const NotifyIconRecord& record) = 0;
    // SHGetFileInfoW, the path in UTF-8; with kShgfiSysIconIndex the result is the image list.
    virtual std::uintptr_t GetFileInfo(const char* path, std::uint32_t attributes,
                                       FileInfoRecord& record, std::uint32_t recordSize,
                                       std::uint32_t flags) = 0;
    // ImageList_GetIcon: a new icon owned by the caller.
    virtual IconRef ImageListGetIcon(ImageListRef list, std::int32_t index,
                                     std::uint32_t flags) = 0;
    // DestroyIcon.
    virtual void DestroyIcon(IconRef icon) = 0;
};

} // namespace corvane
