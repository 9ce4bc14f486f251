#include "core/win32/system_library.h"

#include <string>

namespace corvane::win32 {

SystemLibrary::~SystemLibrary() {
    if (module_)
        FreeLibrary(module_);
}

FARPROC SystemLibrary::Address(const char* function) {
    if (!module_) {
        // The full name: a file of that name in the program's or the current
        // folder is never loaded in its place.
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return nullptr;
        const std::wstring path = std::wstring(folder, length) + L"\\" + name_;
        module_ = LoadLibraryW(path.c_str());
        if (!module_)
            return nullptr;
    }
    return GetProcAddress(module_, function);
}

} // namespace corvane::win32
