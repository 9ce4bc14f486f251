#pragma once
// What a mouse event over one of the program's tray icons (WM_TRAYNOTIFY)
// asks for.
#include <cstdint>

namespace corvane {

inline constexpr std::uint32_t kWmLButtonDown = 0x201;
inline constexpr std::uint32_t kWmLButtonDblClk = 0x203;
inline constexpr std::uint32_t kWmRButtonDown = 0x204;

enum class TrayAction { None, LaunchEntry, ShowMenu };

// A single press launches when single-click launching is on, a double click
// when it is off; with it on, the second press of a double click comes as a
// double click and does nothing more. In pop-up mode a launch click opens the
// menu instead. A right press always opens the menu.
constexpr TrayAction TrayActionFor(bool singleClick, bool popUp, std::uint32_t mouseMessage) {
    if (mouseMessage == kWmRButtonDown)
        return TrayAction::ShowMenu;
    const bool launch =
        singleClick ? mouseMessage == kWmLButtonDown : mouseMessage == kWmLButtonDblClk;
    if (!launch)
        return TrayAction::None;
    return popUp ? TrayAction::ShowMenu : TrayAction::LaunchEntry;
}

} // namespace corvane
