#include "app/win32/first_copy_win32.h"

#include "core/win32/wide.h"
#include "tray/menu_commands.h"
#include "tray/win32/tray_window.h"

namespace corvane::win32 {

bool Win32FirstCopy::ClaimName() {
    SetLastError(ERROR_SUCCESS);
    mutex_.reset(CreateMutexW(nullptr, FALSE, Wide(kFirstCopyName).c_str()));
    // A name held by a copy of higher rights cannot even be opened. Without
    // a mutex for any other reason there is no guard, and the program runs.
    const DWORD error = GetLastError();
    return error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED;
}

bool Win32FirstCopy::ShowRunningCopy() {
    HWND tray = FindWindowW(Wide(TrayWindow::kClassName).c_str(), nullptr);
    if (!tray)
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(tray, &process);
    // The user started this copy: the running one may take the foreground.
    AllowSetForegroundWindow(process);
    // The tray menu's "Options...", which the running copy answers by showing
    // its options window in its normal state.
    PostMessageW(tray, WM_COMMAND, kCmdOptions, 0);
    return true;
}

void Win32FirstCopy::Wait(unsigned milliseconds) {
    Sleep(milliseconds);
}

} // namespace corvane::win32
