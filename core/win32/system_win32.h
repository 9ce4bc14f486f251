#pragma once
// The system facts and the program's resources, on Windows.
#include "core/system_api.h"

namespace corvane::win32 {

class Win32System : public SystemApi {
public:
    std::string WindowsDirectory(unsigned capacity) override;
    std::string ProgramPath() override;
    std::string WindowTitle(WindowRef window, unsigned maxChars) override;
    std::string WindowClass(WindowRef window) override;
    BitmapRef LoadBitmapResource(const char* name) override;
    void DeleteBitmap(BitmapRef bitmap) override;
    std::optional<std::string> EnvironmentVariable(const std::string& name) override;
    std::string TypedByKey(std::uint16_t hotKey) override;
    bool ShiftIsDown() override;
};

} // namespace corvane::win32
