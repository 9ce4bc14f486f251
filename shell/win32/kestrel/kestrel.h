#pragma once
// kestrel.dll: reports top-level windows of every program on the desktop to one
// window of the caller's with WM_EXPLORERWINDOW (wParam the top-level window,
// lParam an event code of shell/explorer_report.h).
//
// How it works: out-of-context WinEvent hooks and a thread timer that looks
// at the foreground window four times a second (for systems that send no
// title or activation events; it ends at the first such event the system
// delivers), all made on the thread that calls
// Kestrel_Start. The system calls them back on that thread while it pumps
// messages, and each report is then posted to the receiving window, which
// belongs to the same thread: it is handled after the callback has returned,
// when the loop takes it from the queue. Kestrel_Stop takes back the reports
// still queued, so once it has returned none can arrive.
//
// Rules for the caller:
// - Kestrel_Start and Kestrel_Stop are called on the thread that owns the
//   receiving window, and that thread pumps messages with a loop that
//   dispatches every message (the timer's messages name no window).
// - Only top-level windows are reported (no child windows, no parts of a
//   window), windows of other programs and of the caller alike, the
//   receiving window included.
// - Once started, the library stays loaded until the process ends.
#include "shell/explorer_report.h"

#include <windows.h>

#ifdef KESTREL_BUILDING
#define KESTREL_API __declspec(dllexport)
#else
#define KESTREL_API __declspec(dllimport)
#endif

extern "C" {
// Starts reporting to window, which must be a window of the calling thread.
// Any earlier reporting ends first. TRUE when reporting runs. FALSE when the
// window is not a window of this thread or the system refused a hook or the
// timer (then nothing is reported), or when reporting started on another
// thread still runs (then nothing changes).
KESTREL_API BOOL Kestrel_Start(HWND window);
// Ends reporting; no report arrives after it returns. TRUE when nothing is
// reported any more, which includes a call without reporting to end; FALSE,
// with nothing changed, when called on another thread than Kestrel_Start.
KESTREL_API BOOL Kestrel_Stop(void);
}
