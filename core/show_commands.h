#pragma once
// Show commands as the shell takes them, and the one that each of an entry's
// start modes opens with.
#include <cstdint>

namespace corvane {

inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShowMinimized = 2;
inline constexpr int kSwShowMaximized = 3;
inline constexpr int kSwShow = 5;
inline constexpr int kSwShowMinNoActive = 7;

// Start modes, in the order of the editor's "Start-Mode" list.
enum StartMode : std::int32_t {
    smNormal = 0,
    smMaximized = 1,
    smMinimized = 2,
    smHidden = 3,
};

// Normal opens with SW_SHOW, not SW_SHOWNORMAL. A start mode outside 0..3 (a
// damaged store) opens like Normal.
constexpr int ShowCommandFor(std::int32_t startMode) {
    switch (startMode) {
    case smMaximized:
        return kSwShowMaximized;
    case smMinimized:
        return kSwShowMinimized;
    case smHidden:
        return kSwHide;
    default:
        return kSwShow;
    }
}

} // namespace corvane
