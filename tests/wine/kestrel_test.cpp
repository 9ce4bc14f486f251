// kestrel.dll on a real window manager: reports about top-level windows of
// this thread and of another program, and not one report after Kestrel_Stop.
#include "shell/win32/kestrel/kestrel.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace corvane::win32 {
namespace {

const char* const kExploring = "Exploring - C:\\Projects";

std::string TitleOf(HWND window) {
    char text[300] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[100] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Pumps this thread's messages until done() holds, looking after every
// message; false when timeout milliseconds pass first.
bool PumpUntil(const std::function<bool()>& done, DWORD timeout = 20000) {
    const ULONGLONG end = GetTickCount64() + timeout;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            if (done())
                return true;
        }
        if (done())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return false;
        const ULONGLONG wait = end - now < 50 ? end - now : 50;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(wait), QS_ALLINPUT);
    }
}

void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

// A report as the receiving window saw it while handling it.
struct Report {
    HWND window;
    LPARAM code;
    std::string title;
    std::string className;
    DWORD process;
    bool topLevel;
};

// A message-only window of this thread that records every report.
class Receiver {
public:
    Receiver() {
        static const ATOM atom = [] {
            WNDCLASSA windowClass{};
            windowClass.lpfnWndProc = Proc;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = "KestrelTestReceiver";
            return RegisterClassA(&windowClass);
        }();
        hwnd_ = CreateWindowExA(0, MAKEINTATOM(atom), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Receiver() { DestroyWindow(hwnd_); }
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    HWND hwnd() const { return hwnd_; }
    const std::vector<Report>& reports() const { return reports_; }

    bool Has(HWND window, LPARAM code, const std::string& title) const {
        return std::any_of(reports_.begin(), reports_.end(), [&](const Report& r) {
            return r.window == window && r.code == code && r.title == title;
        });
    }
    bool HasAbout(HWND window) const {
        return std::any_of(reports_.begin(), reports_.end(),
                           [&](const Report& r) { return r.window == window; });
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Receiver*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == kWmExplorerWindow && self) {
            HWND window = reinterpret_cast<HWND>(wParam);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            self->reports_.push_back({window, lParam, TitleOf(window), ClassOf(window), process,
                                      GetAncestor(window, GA_ROOT) == window});
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
    std::vector<Report> reports_;
};

// A top-level window of this thread, created hidden.
class TopWindow {
public:
    explicit TopWindow(const char* title)
        : hwnd_(CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW, 40, 40, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~TopWindow() { DestroyWindow(hwnd_); }
    TopWindow(const TopWindow&) = delete;
    TopWindow& operator=(const TopWindow&) = delete;
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

// An independent out-of-context hook on this thread that records the
// top-level windows created: proof that events kept coming while kestrel.dll
// had nothing to report.
class Witness {
public:
    Witness() {
        created_.clear();
        hook_ = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, OnEvent, 0, 0,
                                WINEVENT_OUTOFCONTEXT);
    }
    ~Witness() { UnhookWinEvent(hook_); }
    Witness(const Witness&) = delete;
    Witness& operator=(const Witness&) = delete;

    bool Installed() const { return hook_ != nullptr; }
    bool SawCreated(HWND window) const {
        return std::any_of(created_.begin(), created_.end(),
                           [&](const auto& entry) { return entry.first == window; });
    }
    bool SawCreatedBy(DWORD process) const {
        return std::any_of(created_.begin(), created_.end(),
                           [&](const auto& entry) { return entry.second == process; });
    }

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                                 DWORD) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (window && object == OBJID_WINDOW && child == CHILDID_SELF)
            created_.emplace_back(window, process);
    }

    HWINEVENTHOOK hook_ = nullptr;
    // Each window with its process, looked up while the window still exists.
    static inline std::vector<std::pair<HWND, DWORD>> created_;
};

bool IsInFront(HWND window, const std::string& title) {
    return GetForegroundWindow() == window && TitleOf(window) == title;
}

// The helper program, started with a lifetime in milliseconds and titles.
class Helper {
public:
    explicit Helper(const std::string& arguments) {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string program(path);
        program = program.substr(0, program.find_last_of('\\') + 1) + "kestrel_window_helper.exe";
        std::string commandLine = "\"" + program + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, nullptr, &startup, &process_) != FALSE;
    }
    ~Helper() {
        if (!started_)
            return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;

    bool Started() const { return started_; }
    DWORD Id() const { return process_.dwProcessId; }
    bool Ended() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    bool started_ = false;
    PROCESS_INFORMATION process_{};
};

class KestrelTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Kestrel_Stop()); }
    void TearDown() override { EXPECT_TRUE(Kestrel_Stop()); }
};

TEST_F(KestrelTest, WindowOfAnotherProgramIsReportedWithItsTitles) {
    Receiver receiver;
    ASSERT_TRUE(Kestrel_Start(receiver.hwnd()));
    Helper helper(std::string("3000 \"") + kExploring + "\" \"Exploring - C:\\Projects\\Notes\"");
    ASSERT_TRUE(helper.Started());

    // A report naming the helper's window with a code to act on and the title.
    auto reported = [&](const std::string& title) {
        for (const Report& r : receiver.reports()) {
            if (r.process == helper.Id() && r.className == "KestrelHelperWindow" &&
                r.code != kReportWindowCreated && r.title == title)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(PumpUntil([&] { return reported(kExploring); }));
    EXPECT_TRUE(PumpUntil([&] { return reported("Exploring - C:\\Projects\\Notes"); }));
    EXPECT_TRUE(PumpUntil([&] { return helper.Ended(); }));
    EXPECT_EQ(helper.ExitCode(), 0u);

    for (const Report& r : receiver.reports()) {
        EXPECT_TRUE(r.topLevel) << r.title;
        EXPECT_NE(r.title, "Exploring - inside") << "a child window was reported";
    }
}

TEST_F(KestrelTest, WindowOfThisThreadIsReportedWhenCreatedActivatedAndRenamedOnce) {
    Receiver receiver;
    ASSERT_TRUE(Kestrel_Start(receiver.hwnd()));
    TopWindow window("First title");
    ASSERT_TRUE(window.hwnd());
    EXPECT_TRUE(PumpUntil(
        [&] { return receiver.Has(window.hwnd(), kReportWindowCreated, "First title"); }));

    ShowWindow(window.hwnd(), SW_SHOW);
    SetForegroundWindow(window.hwnd());
    EXPECT_TRUE(PumpUntil(
        [&] { return receiver.Has(window.hwnd(), kReportWindowActivated, "First title"); }));

    SetWindowTextA(window.hwnd(), kExploring);
    EXPECT_TRUE(
        PumpUntil([&] { return receiver.Has(window.hwnd(), kReportTitleChanged, kExploring); }));
    // Told once: a window staying in front with its title is not reported again.
    PumpFor(1000);
    int renames = 0;
    for (const Report& r : receiver.reports())
        renames +=
            r.window == window.hwnd() && r.code != kReportWindowCreated && r.title == kExploring;
    EXPECT_EQ(renames, 1);
}

TEST_F(KestrelTest, ChildWindowsAreNotReported) {
    Receiver receiver;
    ASSERT_TRUE(Kestrel_Start(receiver.hwnd()));
    TopWindow parent("Parent");
    HWND child = CreateWindowExA(0, "STATIC", "Exploring - child", WS_CHILD | WS_VISIBLE, 0, 0, 50,
                                 20, parent.hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(child);
    // The events come in order, so the report of a later window marks the end.
    TopWindow later("Later");
    ASSERT_TRUE(
        PumpUntil([&] { return receiver.Has(later.hwnd(), kReportWindowCreated, "Later"); }));
    EXPECT_TRUE(receiver.HasAbout(parent.hwnd()));
    EXPECT_FALSE(receiver.HasAbout(child));
}

TEST_F(KestrelTest, NoReportArrivesAfterStopReturns) {
    Receiver receiver;
    ASSERT_TRUE(Kestrel_Start(receiver.hwnd()));
    Witness witness;
    ASSERT_TRUE(witness.Installed());

    // Stop as soon as the events of a new window are being handed out, with
    // more events waiting: a second window, and a rename of the front window.
    TopWindow window("Before");
    ShowWindow(window.hwnd(), SW_SHOW);
    SetForegroundWindow(window.hwnd());
    ASSERT_TRUE(PumpUntil([&] { return witness.SawCreated(window.hwnd()); }));
    TopWindow waiting("Waiting");
    SetWindowTextA(window.hwnd(), "Exploring - C:\\Waiting");
    ASSERT_TRUE(Kestrel_Stop());
    const size_t reportsAtStop = receiver.reports().size();

    // Windows keep coming, coming to the front and being renamed, here and in
    // another program.
    Helper helper("1500 \"Exploring - C:\\After\" \"Exploring - C:\\After\\Renamed\"");
    ASSERT_TRUE(helper.Started());
    bool helperRenamedInFront = false;
    EXPECT_TRUE(PumpUntil([&] {
        HWND front = GetForegroundWindow();
        DWORD owner = 0;
        GetWindowThreadProcessId(front, &owner);
        helperRenamedInFront =
            helperRenamedInFront ||
            (owner == helper.Id() && TitleOf(front) == "Exploring - C:\\After\\Renamed");
        return helperRenamedInFront && helper.Ended() && witness.SawCreatedBy(helper.Id());
    }));
    TopWindow later("Later");
    ShowWindow(later.hwnd(), SW_SHOW);
    SetForegroundWindow(later.hwnd());
    SetWindowTextA(later.hwnd(), "Exploring - C:\\Later");
    EXPECT_TRUE(PumpUntil([&] {
        return witness.SawCreated(later.hwnd()) && IsInFront(later.hwnd(), "Exploring - C:\\Later");
    }));
    PumpFor(1000);

    EXPECT_EQ(receiver.reports().size(), reportsAtStop);
}

TEST_F(KestrelTest, StartingAgainMovesTheReportsToTheNewWindow) {
    Receiver first, second;
    ASSERT_TRUE(Kestrel_Start(first.hwnd()));
    ASSERT_TRUE(Kestrel_Start(second.hwnd()));
    TopWindow one("One");
    EXPECT_TRUE(PumpUntil([&] { return second.Has(one.hwnd(), kReportWindowCreated, "One"); }));
    EXPECT_TRUE(first.reports().empty());

    ASSERT_TRUE(Kestrel_Stop());
    const size_t secondBefore = second.reports().size();
    ASSERT_TRUE(Kestrel_Start(first.hwnd()));
    TopWindow two("Two");
    EXPECT_TRUE(PumpUntil([&] { return first.Has(two.hwnd(), kReportWindowCreated, "Two"); }));
    EXPECT_EQ(second.reports().size(), secondBefore);
}

TEST_F(KestrelTest, StartRefusesWindowsThatAreNotOfThisThreadAndEndsEarlierReporting) {
    Receiver receiver;
    HWND gone = nullptr;
    {
        TopWindow destroyed("Gone");
        gone = destroyed.hwnd();
    }
    HWND foreign = nullptr;
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread other([&] {
        Receiver theirs;
        foreign = theirs.hwnd();
        SetEvent(ready);
        WaitForSingleObject(done, INFINITE);
    });
    WaitForSingleObject(ready, INFINITE);

    ASSERT_TRUE(Kestrel_Start(receiver.hwnd()));
    EXPECT_FALSE(Kestrel_Start(foreign));
    EXPECT_FALSE(Kestrel_Start(gone));
    EXPECT_FALSE(Kestrel_Start(nullptr));
    SetEvent(done);
    other.join();
    CloseHandle(done);
    CloseHandle(ready);

    Witness witness;
    TopWindow window("Unreported");
    ShowWindow(window.hwnd(), SW_SHOW);
    SetForegroundWindow(window.hwnd());
    EXPECT_TRUE(PumpUntil([&] { return witness.SawCreated(window.hwnd()); }));
    PumpFor(1000);
    EXPECT_TRUE(receiver.reports().empty());
}

TEST_F(KestrelTest, AnotherThreadCanNeitherStopNorTakeOverTheReporting) {
    Receiver receiver;
    ASSERT_TRUE(Kestrel_Start(receiver.hwnd()));
    BOOL stopped = TRUE;
    BOOL started = TRUE;
    std::thread other([&] {
        Receiver theirs;
        stopped = Kestrel_Stop();
        started = Kestrel_Start(theirs.hwnd());
    });
    other.join();
    EXPECT_FALSE(stopped);
    EXPECT_FALSE(started);

    TopWindow window("Mine");
    EXPECT_TRUE(
        PumpUntil([&] { return receiver.Has(window.hwnd(), kReportWindowCreated, "Mine"); }));
}

} // namespace
} // namespace corvane::win32
