// The registry, kestrel.dll with a window of another process, and the shell's collection of
// Explorer windows, on the real system.
#include "core/win32/handle_refs.h"
#include "core/win32/registry_win32.h"
#include "core/win32/system_win32.h"
#include "core/win32/wide.h"
#include "shell/win32/kestrel/kestrel.h"
#include "shell/win32/shell_windows_folders.h"
#include "wait_for.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <string>
#include <tuple>
#include <vector>

namespace corvane::win32 {
namespace {

TEST(Win32Registry, StoresExactlyTheGivenBytesAndReadsThemBackAndTellsAGoneKey) {
    const char* const path = "SOFTWARE\\Quennard\\CorvaneTests";
    RegDeleteTreeA(HKEY_CURRENT_USER, path);
    Win32Registry api;
    const std::optional<RegKey> key = api.CreateKey(api.CurrentUser(), path);
    ASSERT_TRUE(key);
    // No length of text may gain a terminating zero it was not given; text of every script is
    // stored as UTF-16, unit for unit, under a name of any script.
    const std::string unicode = "\xD0\x9F\xD1\x80 \xE6\x97\xA5 \xC3\xBC \xF0\x9F\x98\x80";
    const std::wstring stored = L"\x041F\x0440 \x65E5 \x00FC \xD83D\xDE00";
    std::vector<std::pair<RegType, std::vector<std::uint8_t>>> values{
        {RegType::Dword, {0xFE, 0xFF, 0xFF, 0xFF}}, {RegType::Sz, {}}};
    for (std::uint8_t length = 1; length <= 64; ++length)
        values.emplace_back(RegType::Sz, std::vector<std::uint8_t>(length, 'a' + length % 26));
    for (const std::string& text : {unicode, unicode + '\0', unicode + '\0' + "b" + '\0'})
        values.emplace_back(RegType::ExpandSz, std::vector<std::uint8_t>(text.begin(), text.end()));
    for (const auto& [type, data] : values) {
        ASSERT_TRUE(api.SetValue(*key, unicode, type, data));
        const RegValue read = api.QueryValue(*key, unicode);
        EXPECT_EQ(std::tie(read.type, read.data), std::tie(type, data));
    }
    wchar_t raw[32] = {};
    DWORD size = sizeof raw;
    ASSERT_EQ(RegQueryValueExW(FromRef<HKEY>(*key), stored.c_str(), nullptr, nullptr,
                               reinterpret_cast<BYTE*>(raw), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(raw, size / sizeof(wchar_t)), stored + L'\0' + L"b" + L'\0');
    EXPECT_EQ(api.QueryValue(*key, "absent").status, RegValue::Status::NotFound);
    api.CloseKey(*api.CreateKey(*key, "Gone"));
    EXPECT_TRUE(api.DeleteKey(*key, "Gone"));
    EXPECT_EQ(api.OpenKey(*key, "Gone").status, OpenedKey::Status::NotFound);
    api.CloseKey(*key);
    RegDeleteTreeA(HKEY_CURRENT_USER, path);
}

// Each report: the process of the reported window, its title then, its code.
std::vector<std::tuple<DWORD, std::string, LPARAM>> reports;
// Those of a window of process titled title, with code when not 0, once the waiting messages
// are dispatched.
std::ptrdiff_t Reported(DWORD process, const std::string& title, LPARAM code = 0) {
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
        DispatchMessageA(&msg);
    return std::count_if(reports.begin(), reports.end(), [&](const auto& report) {
        return report == std::tuple(process, title, code ? code : std::get<2>(report));
    });
}

LRESULT CALLBACK Receive(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kWmExplorerWindow)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    char title[300] = {};
    DWORD process = 0;
    GetWindowTextA(reinterpret_cast<HWND>(wParam), title, sizeof title);
    GetWindowThreadProcessId(reinterpret_cast<HWND>(wParam), &process);
    reports.emplace_back(process, title, lParam);
    return 0;
}

// The system tells a variable set empty from one not set; a value longer than MAX_PATH is whole.
// A key types with a hot key's modifiers what the layout gives it: on the US layout (Wine's one;
// it answers LoadKeyboardLayoutW for German with it) Ctrl+Alt, with Shift or not, types nothing.
TEST(Win32System, EnvironmentVariablesAreReadWholeAndKeysTypeWhatTheLayoutGivesThem) {
    const std::string value = "\xE6\x97\xA5" + std::string(400, 'v');
    SetEnvironmentVariableW(L"CORVANE_EMPTY", L"");
    SetEnvironmentVariableW(L"CORVANE_LONG", Wide(value).c_str());
    Win32System system;
    EXPECT_EQ(system.EnvironmentVariable("CORVANE_EMPTY"), "");
    EXPECT_EQ(system.EnvironmentVariable("corvane_long"), value) << "names in any case";
    EXPECT_EQ(system.EnvironmentVariable("CORVANE_NOT"), std::nullopt);
    EXPECT_EQ(std::tuple(system.TypedByKey(0x651), system.TypedByKey(0x751),
                         system.TypedByKey(0x151), system.TypedByKey(0x451)),
              std::tuple("", "", "Q", "q")); // Shift gives the capital, Alt alone the letter
}

TEST(Kestrel, ReportsAWindowOfAnotherProcessPollsUntilAnEventAndNothingOnceStopped) {
    const WNDCLASSA windowClass{.lpfnWndProc = Receive, .lpszClassName = "KestrelTestReceiver"};
    ASSERT_TRUE(RegisterClassA(&windowClass));
    HWND receiver = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, nullptr, nullptr);
    EXPECT_FALSE(std::async(std::launch::async, Kestrel_Start, receiver).get())
        << "started on a thread not owning the window";
    ASSERT_TRUE(Kestrel_Start(receiver));

    const std::string title = "Exploring - C:\\Projects";
    std::string commandLine = "probe.exe --window \"" + title + '"'; // beside this program
    STARTUPINFOA startup{.cb = sizeof(STARTUPINFOA)};
    PROCESS_INFORMATION helper{};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &helper));
    EXPECT_TRUE(WaitFor("its report", [&] { return Reported(helper.dwProcessId, title) > 0; }));
    TerminateProcess(helper.hProcess, 0);
    CloseHandle(helper.hThread), CloseHandle(helper.hProcess);

    // Wine sends no activation or title events: the poll reports the window in front.
    const DWORD self = GetCurrentProcessId();
    HWND front = CreateWindowExA(0, "STATIC", "Polled", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(front);
    EXPECT_EQ(Win32System().WindowClass(ToRef<WindowRef>(front)), "Static");
    ASSERT_TRUE(WaitFor("the poll's report",
                        [&] { return Reported(self, "Polled", kReportWindowActivated) > 0; }));
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, front, OBJID_WINDOW, CHILDID_SELF);
    ASSERT_EQ(Reported(self, "Polled", kReportTitleChanged), 1) << "the event reported";
    SetWindowTextA(front, "Unpolled");
    // Four polls long: a poll still running would report the title first.
    EXPECT_FALSE(WaitFor(
        "a report", [&] { return Reported(self, "Unpolled") > 0; }, 1000));

    // Reports are queued, and one still queued when the reporting ends never arrives.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, front, OBJID_WINDOW, CHILDID_SELF);
    MSG queued;
    const auto waiting = [&] {
        return PeekMessageA(&queued, receiver, kWmExplorerWindow, kWmExplorerWindow, PM_NOREMOVE);
    };
    ASSERT_TRUE(WaitFor("the report queued", waiting));
    ASSERT_TRUE(Kestrel_Stop());
    EXPECT_FALSE(waiting());
    reports.clear();
    // The hooks call back on this thread for its own windows while it makes them: anything still
    // hooked has reported once the queue is empty.
    HWND window = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                  0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    SetWindowTextA(window, "Exploring - C:\\Later");
    EXPECT_TRUE(Reported(self, title) == 0 && reports.empty()) << "still hooked";
    DestroyWindow(window);
    DestroyWindow(receiver);
}

// The shell, as the test has it answer: each question counted, a folder once `answered` is set.
std::atomic<int> questions = 0;
const HANDLE answered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
std::optional<std::wstring> AnswerWhenTold(HWND) {
    return ++questions, WaitForSingleObject(answered, 10000), L"C:\\\x041F\x0440 \x65E5";
}

// The window's thread waits no longer than the bound; while a question is unanswered, none is
// asked; once it is answered, the folder comes in UTF-8. (Wine's own ShellWindows lists none.)
TEST(ShellWindowsFolders, WaitsNoLongerThanItsBoundAndAsksNoMoreUntilTheShellAnswers) {
    const WindowRef window = ToRef<WindowRef>(GetDesktopWindow());
    EXPECT_EQ(ShellWindowsFolders(60000).FolderShownBy(window), std::nullopt);
    ShellWindowsFolders folders(500, AnswerWhenTold);
    for (const ULONGLONG bound : {1500, 100}) { // the bound and a thread's start; then at once
        const ULONGLONG start = GetTickCount64();
        EXPECT_EQ(folders.FolderShownBy(window), std::nullopt);
        EXPECT_LT(GetTickCount64() - start, bound);
    }
    EXPECT_EQ(questions, 1) << "asked while a question was unanswered";
    SetEvent(answered);
    std::optional<std::string> folder;
    EXPECT_TRUE(WaitFor("a folder", [&] { return bool(folder = folders.FolderShownBy(window)); }));
    EXPECT_EQ(std::tuple(folder, questions.load()),
              std::tuple("C:\\\xD0\x9F\xD1\x80 \xE6\x97\xA5", 2));
}

} // namespace
} // namespace corvane::win32
