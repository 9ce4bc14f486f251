#pragma once
// Tray icons and the shell's file icons and names.
#include "tray/shell_icon_api.h"

#include <cstdint>
#include <string>

namespace corvane {

bool TrayAddIcon(ShellIconApi& shell, std::int32_t id, WindowRef window, IconRef icon,
                 const std::string& tip);
bool TrayModifyIcon(ShellIconApi& shell, std::int32_t id, WindowRef window, IconRef icon,
                    const std::string& tip);
bool TrayDeleteIcon(ShellIconApi& shell, std::int32_t id, WindowRef window);

// The tray record for an add or a modify. The tip field holds 63 UTF-16 units
// and a zero: a longer tip keeps the characters that fit whole in 63.
NotifyIconRecord MakeTrayRecord(std::int32_t id, WindowRef window, IconRef icon,
                                const std::string& tip);

// The shell's large icon of a file (its small one when small is set), at the
// system's size; null when the shell gives none. The caller owns the icon.
IconRef GetFileIconHandle(ShellIconApi& shell, const std::string& path, bool small = false);
// The file's name as the shell shows it; empty when the shell finds nothing.
std::string GetFileDisplayName(ShellIconApi& shell, const std::string& path);
// The file's icon from the system's small or large image list; null when the
// shell gives none.
IconRef GetSystemImageIcon(ShellIconApi& shell, const std::string& path, bool small);

// An icon, destroyed when it goes.
using ScopedIcon = Owned<IconRef, ShellIconApi, &ShellIconApi::DestroyIcon>;

} // namespace corvane
