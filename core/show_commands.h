#pragma once
// Show commands as the shell takes them, and the table that maps an entry's
// start mode to one.
#include <array>
#include <cstdint>

namespace corvane {

inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShowMinimized = 2;
inline constexpr int kSwShowMaximized = 3;
inline constexpr int kSwShow = 5;
inline constexpr int kSwShowMinNoActive = 7;
inline constexpr int kSwRestore = 9;

// Start modes, in the order of the editor's "Start-Mode" list.
enum StartModeIndex : std::int32_t {
    smNormal = 0,
    smMaximized = 1,
    smMinimized = 2,
    smHidden = 3,
};

struct ShowCommandTable {
    std::array<std::int32_t, 4> cmds{};

    // Normal opens with SW_SHOW, not SW_SHOWNORMAL.
    void Fill() { cmds = {kSwShow, kSwShowMaximized, kSwShowMinimized, kSwHide}; }

    // A start mode outside 0..3 (a damaged store, or an entry added while the
    // start-mode list had nothing chosen) opens like Normal.
    std::int32_t For(std::int32_t startMode) const {
        if (startMode < 0 || startMode >= static_cast<std::int32_t>(cmds.size()))
            return kSwShow;
        return cmds[static_cast<std::size_t>(startMode)];
    }
};

} // namespace corvane
