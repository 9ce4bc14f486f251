#pragma once
// The program's icons in the tray, and the shell's icons and names of files,
// as the program asks for them.
#include "core/handles.h"

#include <string>

namespace corvane {

// The callback message of every tray icon of the program.
inline constexpr std::uint32_t kWmTrayNotify = 0x400 + 13;

// The tray's icons of the program, by identifier, registered with the owner
// window.
class TrayIcons {
public:
    virtual ~TrayIcons() = default;
    // The window the icons' mouse events go to; set before any icon shows.
    virtual void SetOwner(WindowRef owner) = 0;
    // Shows icon id with the small icon of iconFile (none when the shell
    // finds none) and the tip (cut to what the tray holds): adds an icon not
    // shown yet, changes one that is. True when the shell took it.
    virtual bool Show(int id, const std::string& iconFile, const std::string& tip) = 0;
    // The same with the program's own icon.
    virtual bool ShowProgramIcon(int id, const std::string& tip) = 0;
    virtual void Remove(int id) = 0;
    // Gives the keyboard focus back to the notification area, at icon id:
    // where the keys that chose the icon left it.
    virtual void ReturnFocus(int id) = 0;
};

class IconOwner {
public:
    virtual void DestroyIcon(IconRef icon) = 0;

protected:
    ~IconOwner() = default;
};
// An icon, destroyed when it goes.
using ScopedIcon = Owned<IconRef, IconOwner, &IconOwner::DestroyIcon>;

enum class IconSize { Large, Small };

// The shell's icons and names of files. An empty path names no file and asks
// the shell nothing; a file the shell finds nothing for has no icon and an
// empty name.
class FileIcons : public IconOwner {
public:
    virtual ~FileIcons() = default;
    // The file's icon at the system's large or small size.
    virtual ScopedIcon Icon(const std::string& path, IconSize size) = 0;
    // The file's icon from the system's image list of that size.
    virtual ScopedIcon ListIcon(const std::string& path, IconSize size) = 0;
    // The file's name as the shell shows it.
    virtual std::string DisplayName(const std::string& path) = 0;
};

} // namespace corvane
