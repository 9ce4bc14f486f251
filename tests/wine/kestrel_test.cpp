// kestrel.dll on real windows: a window of another process is reported, no
// report comes once Kestrel_Stop has returned, and only the thread owning the
// receiving window can start the reporting.
#include "shell/win32/kestrel/kestrel.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace corvane::win32 {
namespace {

// Each report: the process of the reported window and its title at the time.
std::vector<std::pair<DWORD, std::string>> reports;

LRESULT CALLBACK Receive(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kWmExplorerWindow)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    char title[300] = {};
    GetWindowTextA(reinterpret_cast<HWND>(wParam), title, sizeof title);
    DWORD process = 0;
    GetWindowThreadProcessId(reinterpret_cast<HWND>(wParam), &process);
    reports.emplace_back(process, title);
    return 0;
}

void DispatchWaitingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

TEST(Kestrel, ReportsAWindowOfAnotherProcessAndNothingOnceStopped) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Receive;
    windowClass.lpszClassName = "KestrelTestReceiver";
    ASSERT_TRUE(RegisterClassA(&windowClass));
    HWND receiver = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, nullptr, nullptr);
    BOOL started = TRUE;
    std::thread([&] { started = Kestrel_Start(receiver); }).join();
    EXPECT_FALSE(started) << "started on a thread not owning the window";
    ASSERT_TRUE(Kestrel_Start(receiver));

    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path);
    program = program.substr(0, program.rfind('\\') + 1) + "kestrel_window_helper.exe";
    const std::string title = "Exploring - C:\\Projects";
    std::string commandLine = "\"" + program + "\" " + title;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION helper{};
    ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &helper));
    const auto reported = [&] {
        return std::count(reports.begin(), reports.end(), std::pair(helper.dwProcessId, title));
    };
    // Up to 20 s, only so that a failure ends.
    for (const ULONGLONG end = GetTickCount64() + 20000; !reported() && GetTickCount64() < end;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        DispatchWaitingMessages();
    }
    EXPECT_TRUE(reported());
    TerminateProcess(helper.hProcess, 0);
    CloseHandle(helper.hThread);
    CloseHandle(helper.hProcess);

    ASSERT_TRUE(Kestrel_Stop());
    reports.clear();
    // The hooks call back on this thread for its own windows while it makes
    // them: anything still hooked has reported once the queue is empty.
    HWND window = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                  0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    SetWindowTextA(window, "Exploring - C:\\Later");
    DispatchWaitingMessages();
    EXPECT_TRUE(reports.empty());
    DestroyWindow(window);
    DestroyWindow(receiver);
}

} // namespace
} // namespace corvane::win32
