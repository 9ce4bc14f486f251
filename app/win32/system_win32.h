#pragma once
// The system facts and the hook library, on Windows.
#include "app/system_api.h"

namespace corvane::win32 {

class Win32System : public SystemApi {
public:
    std::string WindowsDirectory(unsigned capacity) override;
    std::string ProgramPath() override;
    std::string WindowTitle(WindowRef window, unsigned maxChars) override;
    BitmapRef LoadBitmapResource(const char* name) override;
    IconRef LoadIconResource(const char* name) override;
};

// kestrel.dll, bound when the program loads.
class KestrelHook : public HookLibrary {
public:
    void Start(WindowRef window) override;
    void Stop() override;
};

} // namespace corvane::win32
