#pragma once
// Tray icons and the shell's file icons and names through the real shell.
#include "tray/tray_icons.h"

#include <windows.h>

#include <shellapi.h>

namespace corvane::win32 {

class Win32FileIcons : public FileIcons {
public:
    ScopedIcon Icon(const std::string& path, IconSize size) override;
    ScopedIcon ListIcon(const std::string& path, IconSize size) override;
    std::string DisplayName(const std::string& path) override;
    void DestroyIcon(IconRef icon) override;
};

// The tray's record of icon id of owner, with the icon, the program's
// callback message and the tip, cut to the 127 units the record holds, never
// inside a character.
NOTIFYICONDATAW TrayIconRecord(HWND owner, int id, HICON icon, const std::string& tip);

class Win32TrayIcons : public TrayIcons {
public:
    void SetOwner(WindowRef owner) override { owner_ = owner; }
    bool Show(int id, const std::string& iconFile, const std::string& tip) override;
    bool ShowProgramIcon(int id, const std::string& tip) override;
    void Remove(int id) override;
    void ReturnFocus(int id) override;

private:
    bool Put(int id, HICON icon, const std::string& tip);
    // A message of the shell's about icon id alone.
    void Tell(DWORD message, int id);

    WindowRef owner_ = WindowRef::None;
    Win32FileIcons files_;
};

} // namespace corvane::win32
