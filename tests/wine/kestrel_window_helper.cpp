// A small program for the window-reporting tests: it shows a top-level window
// with a child window, gives the top-level window the titles it is given one
// after another, spread over its lifetime, and ends.
//
//   kestrel_window_helper.exe MILLISECONDS TITLE [LATER-TITLE...]
//
// The child window is titled "Exploring - inside".
#include <windows.h>

#include <cstdlib>

namespace {

const char* const kClass = "KestrelHelperWindow";

// Pumps messages until the tick count reaches end.
void PumpUntil(ULONGLONG end) {
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 3)
        return 2;
    const ULONGLONG lifetime = std::strtoul(__argv[1], nullptr, 10);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClass;
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window = CreateWindowExA(0, kClass, __argv[2], WS_OVERLAPPEDWINDOW, 20, 20, 300, 200,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    CreateWindowExA(0, "STATIC", "Exploring - inside", WS_CHILD | WS_VISIBLE, 5, 5, 200, 20, window,
                    nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);

    const int titles = __argc - 2;
    const ULONGLONG start = GetTickCount64();
    for (int i = 1; i < titles; ++i) {
        PumpUntil(start + lifetime * i / titles);
        SetWindowTextA(window, __argv[2 + i]);
    }
    PumpUntil(start + lifetime);
    DestroyWindow(window);
    return 0;
}
