#pragma once
// The DPI of a window and the system's sizes at a DPI. The functions that
// answer per window and per DPI came with Windows 10 (1607); they are found
// at run time, and on an older system the answers are the system's one DPI.
#include <windows.h>

namespace corvane::win32 {

// WM_DPICHANGED, which the headers for Windows 7 do not name.
inline constexpr UINT kWmDpiChanged = 0x02E0;

// The DPI a window is drawn at: its monitor's for a program aware of each
// monitor, else the system's.
int WindowDpi(HWND window);
// The DPI of a monitor: its own for a program aware of each monitor, else the
// system's.
int MonitorDpi(HMONITOR monitor);
// The system's DPI (the primary monitor's at the program's start).
int SystemDpi();
// GetSystemMetrics at dpi (SM_CXSMICON, SM_CXICON and the like).
int MetricForDpi(int index, int dpi);
// The system's message font and menu font for dpi.
LOGFONTW MessageFontForDpi(int dpi);
LOGFONTW MenuFontForDpi(int dpi);
// AdjustWindowRectEx at dpi: the window's frame around a client rectangle.
void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// A new font of the message font's face at dpi, with this height and weight.
HFONT CreateMessageFont(int dpi, int height, bool bold);

} // namespace corvane::win32
