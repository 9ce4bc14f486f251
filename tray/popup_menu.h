#pragma once
// The pop-up launcher menu's command identifiers and the measures of its
// owner-drawn rows.
#include "tray/canvas.h"

#include <cstdint>

namespace corvane {

// 0..19 are entry rows: the command is the entry's slot.
inline constexpr std::uint32_t kEntryCommandEnd = 20;
inline constexpr std::uint32_t kCmdPathRecall = 912;
inline constexpr std::uint32_t kCmdOptions = 913;
inline constexpr std::uint32_t kCmdExit = 914;
inline constexpr std::uint32_t kCmdHelp = 915;

// The PathRecall row.
inline constexpr std::uint32_t kPathRecallWidth = 40;
inline constexpr std::uint32_t kPathRecallHeight = 16;
inline constexpr const char* kPathRecallText = "PathRecaller";
inline constexpr int kPathRecallIconX = 2;
inline constexpr int kPathRecallTextIndent = 22;
// Below the entry rows, the separator takes this much before PathRecall.
inline constexpr int kSeparatorAllowance = 9;

// Entry rows: icon column, gap before the text, and room after it.
inline constexpr int kEntryIconX = 22;
inline constexpr int kEntryTextGap = 20;
inline constexpr int kEntryTextIndent = 5;
inline constexpr int kEntryExtraWidth = 15;
inline constexpr int kSmallIconTopOffset = 3;

// The side banner: the STRIPE bitmap at the foot of a blue band.
inline constexpr int kStripeWidth = 20;
inline constexpr int kStripeHeight = 154;
inline constexpr Color kBannerBlue = Rgb(0, 0, 255);

} // namespace corvane
