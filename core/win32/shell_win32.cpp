#include "core/win32/shell_win32.h"

#include "core/show_commands.h"
#include "core/win32/handle_refs.h"

#include <shellapi.h>

namespace corvane::win32 {

static_assert(kSwHide == SW_HIDE && kSwShowNormal == SW_SHOWNORMAL &&
              kSwShowMinimized == SW_SHOWMINIMIZED && kSwShowMaximized == SW_SHOWMAXIMIZED &&
              kSwShow == SW_SHOW && kSwShowMinNoActive == SW_SHOWMINNOACTIVE);

void Win32Shell::Execute(WindowRef owner, const char* verb, const char* file, const char* params,
                         const char* directory, int showCommand) {
    // The outcome is not examined: a file that cannot be started says nothing.
    ShellExecuteA(FromRef<HWND>(owner), verb, file, params, directory, showCommand);
}

} // namespace corvane::win32
