#pragma once
// The report that kestrel.dll sends for a top-level window: the message, with
// the window in wParam and one of the event codes below in lParam. Plain
// numbers, so that the library and the program share one definition.
#include <cstdint>

namespace corvane {

// WM_USER + 1.
inline constexpr std::uint32_t kWmExplorerWindow = 0x400 + 1;

// The window has just been created; its title may not be set yet.
inline constexpr std::intptr_t kReportWindowCreated = 1;
// The window's title has changed. Where the system sends no title events, a
// change is noticed only while the window is the foreground window.
inline constexpr std::intptr_t kReportTitleChanged = 2;
// The window has been shown (only where the system sends these events).
inline constexpr std::intptr_t kReportWindowShown = 3;
// The window has come to the front; just after Kestrel_Start, the window that
// is in front then.
inline constexpr std::intptr_t kReportWindowActivated = 4;

} // namespace corvane
