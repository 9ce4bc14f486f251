// Reporting of top-level windows. (Reporting itself comes later; this library
// already has its final entry points so that the program binds to them.)
#define KESTREL_BUILDING
#include "shell/kestrel/kestrel.h"

namespace {
HWND target = nullptr;
}

extern "C" {

KESTREL_API BOOL Kestrel_Start(HWND window) {
    target = window;
    return TRUE;
}

KESTREL_API BOOL Kestrel_Stop(void) {
    target = nullptr;
    return TRUE;
}
}
