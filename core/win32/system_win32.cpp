#include "core/win32/system_win32.h"

#include "core/hot_key.h"
#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace corvane::win32 {

std::string Win32System::WindowsDirectory(unsigned capacity) {
    std::vector<wchar_t> buffer(capacity + 1, L'\0');
    const UINT length = GetWindowsDirectoryW(buffer.data(), capacity);
    // A directory that does not fit is reported by its needed size.
    if (length == 0 || length >= capacity)
        return {};
    return Narrow({buffer.data(), length});
}

std::string Win32System::ProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return Narrow({buffer.data(), length});
        buffer.resize(buffer.size() * 2);
    }
}

std::string Win32System::WindowTitle(WindowRef window, unsigned maxChars) {
    HWND hwnd = FromRef<HWND>(window);
    if (GetWindowTextLengthW(hwnd) <= 0)
        return {};
    std::vector<wchar_t> buffer(maxChars + 1, L'\0');
    const int length = GetWindowTextW(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    return Narrow({buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0u});
}

std::string Win32System::WindowClass(WindowRef window) {
    // A class name has at most 256 characters.
    wchar_t name[257] = {};
    const int length = GetClassNameW(FromRef<HWND>(window), name, 257);
    return Narrow({name, length > 0 ? static_cast<std::size_t>(length) : 0u});
}

BitmapRef Win32System::LoadBitmapResource(const char* name) {
    return ToRef<BitmapRef>(LoadBitmapW(GetModuleHandleW(nullptr), Wide(name).c_str()));
}

void Win32System::DeleteBitmap(BitmapRef bitmap) {
    DeleteObject(FromRef<HBITMAP>(bitmap));
}

std::optional<std::string> Win32System::EnvironmentVariable(const std::string& name) {
    const std::wstring wideName = Wide(name);
    std::vector<wchar_t> buffer(MAX_PATH, L'\0');
    for (;;) {
        // 0 both for a variable that is not set and for an empty one.
        SetLastError(ERROR_SUCCESS);
        const DWORD length = GetEnvironmentVariableW(wideName.c_str(), buffer.data(),
                                                     static_cast<DWORD>(buffer.size()));
        if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND)
            return std::nullopt;
        if (length < buffer.size())
            return Narrow({buffer.data(), length});
        // Too small: the length is the size needed.
        buffer.resize(length);
    }
}

std::string Win32System::TypedByKey(std::uint16_t hotKey) {
    BYTE keys[256] = {};
    const UINT key = HotKeyVirtualKey(hotKey);
    keys[key] = 0x80;
    if (hotKey & kHotKeyShift)
        keys[VK_SHIFT] = 0x80;
    if (hotKey & kHotKeyControl)
        keys[VK_CONTROL] = 0x80;
    if (hotKey & kHotKeyAlt)
        keys[VK_MENU] = 0x80;
    HKL layout = GetKeyboardLayout(0);
    const UINT scan = MapVirtualKeyExW(key, MAPVK_VK_TO_VSC, layout);
    // Bit 2 keeps the keyboard's state as it was (Windows 10 1607 and later).
    // Before that a dead key stays pending, waiting for the next key typed in
    // this thread: the same key again ends it.
    constexpr UINT kKeepKeyboardState = 1u << 2;
    wchar_t typed[8] = {};
    int count = ToUnicodeEx(key, scan, keys, typed, 8, kKeepKeyboardState, layout);
    if (count < 0) {
        wchar_t ended[8] = {};
        ToUnicodeEx(key, scan, keys, ended, 8, kKeepKeyboardState, layout);
        count = 1; // the dead key's own character
    }
    return Narrow({typed, static_cast<std::size_t>(std::clamp(count, 0, 8))});
}

bool Win32System::ShiftIsDown() {
    // The key as the keyboard holds it, not as this thread's input last saw
    // it: that is brought up to date only by key messages the thread reads.
    // The high bit is down now; the low one tells a press since the last call.
    return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
}

} // namespace corvane::win32
