#include "core/win32/shell_win32.h"

#include "core/show_commands.h"
#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"

#include <shellapi.h>

namespace corvane::win32 {

static_assert(kSwHide == SW_HIDE && kSwShowNormal == SW_SHOWNORMAL &&
              kSwShowMinimized == SW_SHOWMINIMIZED && kSwShowMaximized == SW_SHOWMAXIMIZED &&
              kSwShow == SW_SHOW && kSwShowMinNoActive == SW_SHOWMINNOACTIVE);

void Win32Shell::Execute(WindowRef owner, const char* verb, const char* file, const char* params,
                         const char* directory, int showCommand) {
    // The outcome is not examined: a file that cannot be started says nothing.
    // A part not given stays a null pointer: the system tells none from empty.
    const auto wide = [](const char* text) {
        return text ? Wide(text) : std::wstring();
    };
    const auto pointer = [](const char* text, const std::wstring& converted) {
        return text ? converted.c_str() : nullptr;
    };
    const std::wstring w[] = {wide(verb), wide(file), wide(params), wide(directory)};
    ShellExecuteW(FromRef<HWND>(owner), pointer(verb, w[0]), pointer(file, w[1]),
                  pointer(params, w[2]), pointer(directory, w[3]), showCommand);
}

} // namespace corvane::win32
