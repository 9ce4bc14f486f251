#include "core/win32/shell_win32.h"

#include <windows.h>
#include <shellapi.h>

namespace corvane::win32 {

void Win32Shell::Execute(WindowRef owner, const char* verb, const char* file, const char* params,
                         const char* directory, int showCommand) {
    // The outcome is not examined: a file that cannot be started says nothing.
    ShellExecuteA(reinterpret_cast<HWND>(RawOf(owner)), verb, file, params, directory, showCommand);
}

} // namespace corvane::win32
