#include "core/win32/system_win32.h"

#include "core/win32/handle_refs.h"

#include <windows.h>

#include <vector>

namespace corvane::win32 {

std::string Win32System::WindowsDirectory(unsigned capacity) {
    std::vector<char> buffer(capacity + 1, '\0');
    const UINT length = GetWindowsDirectoryA(buffer.data(), capacity);
    // A directory that does not fit is reported by its needed size.
    if (length == 0 || length >= capacity)
        return {};
    return std::string(buffer.data(), length);
}

std::string Win32System::ProgramPath() {
    std::vector<char> buffer(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string Win32System::WindowTitle(WindowRef window, unsigned maxChars) {
    HWND hwnd = FromRef<HWND>(window);
    if (GetWindowTextLengthA(hwnd) <= 0)
        return {};
    std::vector<char> buffer(maxChars + 1, '\0');
    const int length = GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0u);
}

std::string Win32System::WindowClass(WindowRef window) {
    // A class name has at most 256 characters.
    char name[257] = {};
    const int length = GetClassNameA(FromRef<HWND>(window), name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0u);
}

BitmapRef Win32System::LoadBitmapResource(const char* name) {
    return ToRef<BitmapRef>(LoadBitmapA(GetModuleHandleA(nullptr), name));
}

void Win32System::DeleteBitmap(BitmapRef bitmap) {
    DeleteObject(FromRef<HBITMAP>(bitmap));
}

IconRef Win32System::LoadIconResource(const char* name) {
    return ToRef<IconRef>(LoadIconA(GetModuleHandleA(nullptr), name));
}

} // namespace corvane::win32
