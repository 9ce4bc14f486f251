#pragma once
// kestrel.dll: reports top-level windows to one window of the caller's with
// WM_EXPLORERWINDOW (wParam the window, lParam an event code).
#include <windows.h>

#ifdef KESTREL_BUILDING
#define KESTREL_API __declspec(dllexport)
#else
#define KESTREL_API __declspec(dllimport)
#endif

extern "C" {
// Starts reporting to window. Any earlier reporting ends first.
KESTREL_API BOOL Kestrel_Start(HWND window);
// Ends reporting; no report arrives after it returns.
KESTREL_API BOOL Kestrel_Stop(void);
}

// The message and the event codes of a report.
inline constexpr UINT kWmExplorerWindow = WM_USER + 1;
inline constexpr LPARAM kKestrelWindowCreated = 1;
