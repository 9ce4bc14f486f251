#include "shell/win32/kestrel_hook.h"

#include "core/win32/handle_refs.h"
#include "shell/win32/kestrel/kestrel.h"

namespace corvane::win32 {

void KestrelHook::Start(WindowRef window) {
    Kestrel_Start(FromRef<HWND>(window));
}

void KestrelHook::Stop() {
    Kestrel_Stop();
}

} // namespace corvane::win32
