#pragma once
// Following the folder last shown in an Explorer window. The hook library
// reports windows with WM_EXPLORERWINDOW; an Explorer window's title names
// its folder after the marker.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::uint32_t kWmExplorerWindow = 0x400 + 1; // WM_USER + 1
// The report code that never counts.
inline constexpr std::intptr_t kIgnoredExplorerEvent = 1;
inline constexpr std::string_view kExploringMarker = "Exploring -";
// The marker and the blank after it.
inline constexpr std::size_t kExploringPrefixLength = 12;
// Only this much of a window's title is read.
inline constexpr unsigned kWindowTitleMax = 260;
inline constexpr const char* kExplorerParamsPrefix = "/n,/e,";

// The folder an Explorer window's title names, or nothing when the title is
// not an Explorer title. Only a title that begins with the marker counts; a
// window whose title merely mentions it ("Mail - Exploring - notes") says
// nothing about where the user is exploring.
std::optional<std::string> FolderFromExplorerTitle(std::string_view title);

} // namespace corvane
