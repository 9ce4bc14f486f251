// Reporting of top-level windows. Two sources, both on the thread that starts
// the reporting, which is also the thread of the receiving window:
// - out-of-context WinEvent hooks, which the system calls back on that thread
//   while it pumps messages;
// - a thread timer that looks at the foreground window, for systems that send
//   no title or activation events (Wine sends only the creation events). The
//   first such event the system delivers ends it: it would only wake the
//   processor four times a second for nothing.
// Either way a report is posted to the receiving window: its receiver handles
// it once it has been taken from the queue, never inside the hook's callback,
// so the receiver may take its time over it (ask another process, say). A
// hook call or timer tick that comes after the reporting has ended finds it
// ended and reports nothing, and the end takes back the reports still queued.
#define KESTREL_BUILDING
#include "shell/win32/kestrel/kestrel.h"

#include <atomic>

using corvane::kReportTitleChanged;
using corvane::kReportWindowActivated;
using corvane::kReportWindowCreated;
using corvane::kReportWindowShown;
using corvane::kWmExplorerWindow;

static_assert(kWmExplorerWindow == WM_USER + 1);

namespace {

// One hook per event, each with the code that reports it.
struct Watched {
    DWORD event;
    LPARAM code;
};

constexpr Watched kWatched[] = {
    {EVENT_OBJECT_CREATE, kReportWindowCreated},
    {EVENT_OBJECT_NAMECHANGE, kReportTitleChanged},
    {EVENT_OBJECT_SHOW, kReportWindowShown},
    {EVENT_SYSTEM_FOREGROUND, kReportWindowActivated},
};
constexpr int kHookCount = sizeof kWatched / sizeof kWatched[0];

// How often the foreground window is looked at, in milliseconds.
constexpr UINT kFrontInterval = 250;
// Titles are compared up to this length.
constexpr int kTitleCapacity = 261;

// The running reporting. thread is the thread that owns it, 0 while nothing
// runs; it is claimed before the rest is touched, and only the owning thread
// touches the rest.
struct Reporting {
    HWND target = nullptr;
    std::atomic<DWORD> thread{0};
    HWINEVENTHOOK hooks[kHookCount] = {};
    UINT_PTR timer = 0;
    // The foreground window and its title as last reported with a code other
    // than "created".
    HWND front = nullptr;
    WCHAR frontTitle[kTitleCapacity] = {};
};
Reporting reporting;

bool IsTopLevel(HWND window) {
    return window != nullptr && GetAncestor(window, GA_ROOT) == window;
}

// The title without sending the window a message, so that a hung program
// cannot hold up the reporting.
void ReadTitle(HWND window, WCHAR (&title)[kTitleCapacity]) {
    title[0] = 0;
    InternalGetWindowText(window, title, kTitleCapacity);
}

// Notes that the receiver has been told about the foreground window as it is
// now, so that the timer does not tell it again.
void RememberFront(HWND window) {
    if (window != GetForegroundWindow())
        return;
    reporting.front = window;
    ReadTitle(window, reporting.frontTitle);
}

void Report(HWND window, LPARAM code) {
    // Only to a window of this thread, whose queue the end can empty.
    if (GetWindowThreadProcessId(reporting.target, nullptr) != GetCurrentThreadId())
        return;
    if (code != kReportWindowCreated)
        RememberFront(window);
    PostMessageW(reporting.target, kWmExplorerWindow, reinterpret_cast<WPARAM>(window), code);
}

// The code of a report about the hook's event, or 0 when the hook is not one
// of the running reporting (a call left over from an ended one).
LPARAM CodeOf(HWINEVENTHOOK hook, DWORD event) {
    if (reporting.target == nullptr)
        return 0;
    for (int i = 0; i < kHookCount; ++i) {
        if (reporting.hooks[i] == hook && kWatched[i].event == event)
            return kWatched[i].code;
    }
    return 0;
}

void StopPolling() {
    if (reporting.timer != 0)
        KillTimer(nullptr, reporting.timer);
    reporting.timer = 0;
}

void CALLBACK OnWinEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                         DWORD, DWORD) {
    const LPARAM code = CodeOf(hook, event);
    if (code == 0)
        return;
    // The system sends what the timer looks for. Before the report: its
    // receiver may stop the reporting and start another, with a timer of its
    // own.
    if (code == kReportWindowActivated || code == kReportTitleChanged)
        StopPolling();
    if (object == OBJID_WINDOW && child == CHILDID_SELF && IsTopLevel(window))
        Report(window, code);
}

// Reports the foreground window when another window has come to the front
// or the one in front has changed its title.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    if (reporting.target == nullptr || timer != reporting.timer)
        return;
    HWND front = GetForegroundWindow();
    if (!IsTopLevel(front))
        return;
    WCHAR title[kTitleCapacity];
    ReadTitle(front, title);
    if (front != reporting.front)
        Report(front, kReportWindowActivated);
    else if (lstrcmpW(title, reporting.frontTitle) != 0)
        Report(front, kReportTitleChanged);
}

void End() {
    // The reports still queued: none may arrive once the reporting has ended.
    MSG queued;
    while (reporting.target != nullptr && PeekMessageW(&queued, reporting.target, kWmExplorerWindow,
                                                       kWmExplorerWindow, PM_REMOVE)) {
    }
    reporting.target = nullptr;
    for (HWINEVENTHOOK& hook : reporting.hooks) {
        if (hook != nullptr)
            UnhookWinEvent(hook);
        hook = nullptr;
    }
    StopPolling();
    reporting.front = nullptr;
    reporting.frontTitle[0] = 0;
    reporting.thread.store(0);
}

// Keeps this library loaded for good, so that no hook or timer can ever call
// into it after it has been unloaded.
void PinThisLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&OnWinEvent), &self);
}

} // namespace

extern "C" {

KESTREL_API BOOL Kestrel_Start(HWND window) {
    if (!Kestrel_Stop())
        return FALSE;
    const DWORD thread = GetCurrentThreadId();
    if (window == nullptr || !IsWindow(window) ||
        GetWindowThreadProcessId(window, nullptr) != thread)
        return FALSE;
    DWORD nobody = 0;
    if (!reporting.thread.compare_exchange_strong(nobody, thread))
        return FALSE; // another thread has just started reporting
    PinThisLibrary();
    for (int i = 0; i < kHookCount; ++i) {
        reporting.hooks[i] = SetWinEventHook(kWatched[i].event, kWatched[i].event, nullptr,
                                             OnWinEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
        if (reporting.hooks[i] == nullptr) {
            End();
            return FALSE;
        }
    }
    reporting.timer = SetTimer(nullptr, 0, kFrontInterval, OnTimer);
    if (reporting.timer == 0) {
        End();
        return FALSE;
    }
    reporting.target = window;
    return TRUE;
}

KESTREL_API BOOL Kestrel_Stop(void) {
    const DWORD owner = reporting.thread.load();
    if (owner == 0)
        return TRUE;
    // Hooks and timers can only be removed on the thread that made them.
    if (owner != GetCurrentThreadId())
        return FALSE;
    End();
    return TRUE;
}
}
