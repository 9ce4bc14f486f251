#pragma once
// Facts about the system and the program, the program's own resources, and
// the hook library that reports windows.
#include "core/handles.h"

#include <cstdint>
#include <optional>
#include <string>

namespace corvane {

class SystemApi {
public:
    virtual ~SystemApi() = default;
    // GetWindowsDirectoryW with the given capacity in UTF-16 units; empty when it does not fit.
    virtual std::string WindowsDirectory(unsigned capacity) = 0;
    // The program's own full file name.
    virtual std::string ProgramPath() = 0;
    // A window's title, at most maxChars characters.
    virtual std::string WindowTitle(WindowRef window, unsigned maxChars) = 0;
    // The name of a window's class; empty for a window that has gone.
    virtual std::string WindowClass(WindowRef window) = 0;
    // The program's bitmap resources: a bitmap belongs to the caller, who
    // gives it back with DeleteBitmap.
    virtual BitmapRef LoadBitmapResource(const char* name) = 0;
    virtual void DeleteBitmap(BitmapRef bitmap) = 0;
    // The value of an environment variable of the program, as it is now;
    // nothing when it is not set (an empty value is set).
    virtual std::optional<std::string> EnvironmentVariable(const std::string& name) = 0;
    // What the key of a hot key (core/hot_key.h) types with the hot key's
    // modifiers held, on the keyboard layout in use now, in UTF-8; empty when
    // it types nothing.
    virtual std::string TypedByKey(std::uint16_t hotKey) = 0;
    // Whether Shift is down on the keyboard now, whichever program has the
    // keyboard: at a click on a tray icon the shell has it, not this program.
    virtual bool ShiftIsDown() = 0;
};

// A bitmap loaded through SystemApi, given back when it goes.
using OwnedBitmap = Owned<BitmapRef, SystemApi, &SystemApi::DeleteBitmap>;

// kestrel.dll: reports top-level windows to a window with WM_EXPLORERWINDOW.
class HookLibrary {
public:
    virtual ~HookLibrary() = default;
    virtual void Start(WindowRef window) = 0;
    virtual void Stop() = 0;
};

} // namespace corvane
