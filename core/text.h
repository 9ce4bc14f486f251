#pragma once
// Small text rules shared by the whole program.
#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// Text handed to the shell is cut to its first 255 characters.
inline constexpr std::size_t kShellTextMax = 255;

// The first max characters of text.
std::string CutTo(std::string_view text, std::size_t max);

// The leading characters up to and including the last backslash or colon;
// empty when there is neither. A forward slash is no separator.
std::string FolderPart(std::string_view path);

// What follows the last backslash or colon, or the whole text.
std::string FileNamePart(std::string_view path);

// The text up to its first zero character.
std::string UpToFirstZero(std::string_view bytes);

} // namespace corvane
