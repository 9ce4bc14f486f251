// probe.exe, what the tests let Corvane start: every run appends its command line to probe-log.txt
// beside it. "probe.exe --window TITLE" also shows a window titled TITLE in front until ended.
#include <windows.h>

#include <cstring>
#include <string>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string log = std::string(exe, std::strrchr(exe, '\\') + 1) + "probe-log.txt";
    const std::string line = std::string(GetCommandLineA()) + "\n";
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file != INVALID_HANDLE_VALUE) {
        WriteFile(file, line.data(), line.size(), &written, nullptr);
        CloseHandle(file);
    }
    if (__argc == 3 && std::strcmp(__argv[1], "--window") == 0) {
        // SS_NOTIFY: else clicks go through a static window to the one below, and the tests click
        // this one to the front. The title comes last: once it shows, the window is in front.
        HWND window = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | SS_NOTIFY, 40, 40, 320,
                                      200, nullptr, nullptr, instance, nullptr);
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        SetWindowTextA(window, __argv[2]);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
    }
    return written == line.size() ? 0 : 1;
}
