#pragma once
// The commands of the pop-up launcher menu, as they come back in WM_COMMAND.
#include <cstdint>

namespace corvane {

// 0..19 are entry rows: the command is the entry's slot.
inline constexpr std::uint32_t kEntryCommandEnd = 20;
inline constexpr std::uint32_t kCmdPathRecall = 912;
inline constexpr std::uint32_t kCmdOptions = 913;
inline constexpr std::uint32_t kCmdExit = 914;
inline constexpr std::uint32_t kCmdHelp = 915;

struct MenuCommand {
    enum class Kind { None, Entry, PathRecall, Options, Exit, Help };
    Kind kind = Kind::None;
    int slot = -1; // for Kind::Entry
    bool operator==(const MenuCommand&) const = default;
};

// The command in a WM_COMMAND's wParam (its low word).
MenuCommand DecodeMenuCommand(std::uint32_t wParam);

} // namespace corvane
