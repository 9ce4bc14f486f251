#pragma once
// A DLL of the system folder that the program does not import: it is loaded
// the first time one of its functions is wanted and stays loaded until its
// owner ends, so that a DLL which only a rare command needs costs nothing
// before that command.
#include <windows.h>

namespace corvane::win32 {

class SystemLibrary {
public:
    // name: the file name alone ("comdlg32.dll"); it is looked for in the
    // system folder only.
    explicit SystemLibrary(const wchar_t* name) : name_(name) {}
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The named function, the library loaded first if it is not yet; null
    // when the library cannot be loaded (a later call tries again) or has no
    // such function.
    template <typename Function> Function Find(const char* function) {
        // Through the one function type that converts to every other.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(Address(function)));
    }

private:
    FARPROC Address(const char* function);

    const wchar_t* name_;
    HMODULE module_ = nullptr;
};

} // namespace corvane::win32
