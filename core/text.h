#pragma once
// Small text rules shared by the whole program.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// How many UTF-16 units the UTF-8 text takes in the system's wide functions:
// a character past U+FFFF counts two.
std::size_t Utf16Length(std::string_view text);

// The UTF-8 text cut to at most max UTF-16 units, never inside a character.
std::string CutToUtf16(std::string_view text, std::size_t max);

// The leading characters up to and including the last backslash, or without
// one a drive's colon ("E:" of "E:d.exe"); empty when there is neither. A
// forward slash is no separator, and no other colon is ("https:" of a URL is
// no folder).
std::string FolderPart(std::string_view path);

// What follows FolderPart, or the whole text.
std::string FileNamePart(std::string_view path);

// The text with the letters A to Z in lower case, as registry names compare.
std::string AsciiLower(std::string text);

// The text up to its first zero character.
std::string UpToFirstZero(std::string_view bytes);

// The caption of the program's own message boxes.
inline constexpr const char* kApplicationTitle = "Corvane Box";

// The text of the general error report: the error's message and a full stop.
inline std::string ErrorReportText(const std::string& message) {
    return message + ".";
}

// The value in hexadecimal, at least minDigits digits with zeros in front, in capitals
// ("0A3F") or small letters ("0a3f").
std::string Hex(std::uint32_t value, int minDigits, bool capitals);

} // namespace corvane
