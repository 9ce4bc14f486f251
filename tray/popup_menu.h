#pragma once
// The pop-up launcher menu's command identifiers.
#include <cstdint>

namespace corvane {

// 0..19 are entry rows: the command is the entry's slot.
inline constexpr std::uint32_t kCmdPathRecall = 912;
inline constexpr std::uint32_t kCmdOptions = 913;
inline constexpr std::uint32_t kCmdExit = 914;
inline constexpr std::uint32_t kCmdHelp = 915;

} // namespace corvane
