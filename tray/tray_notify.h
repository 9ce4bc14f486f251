#pragma once
// The mouse messages that the tray reports with WM_TRAYNOTIFY, and which of
// them start an entry.
#include <cstdint>

namespace corvane {

inline constexpr std::uint32_t kWmLButtonDown = 0x201;
inline constexpr std::uint32_t kWmLButtonDblClk = 0x203;
inline constexpr std::uint32_t kWmRButtonDown = 0x204;

// A single press starts an entry when single-click launching is on; a double
// click when it is off. With it on, the second press of a double click comes
// as a double click and starts nothing more.
constexpr bool IsLaunchClick(bool singleClick, std::uint32_t mouseMessage) {
    return singleClick ? mouseMessage == kWmLButtonDown : mouseMessage == kWmLButtonDblClk;
}

} // namespace corvane
