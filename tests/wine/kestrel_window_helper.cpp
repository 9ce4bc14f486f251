// A top-level window of another process for the kestrel.dll tests, titled with the command line.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR title, int) {
    CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 300, 200, nullptr,
                    nullptr, nullptr, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
