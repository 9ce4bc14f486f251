#pragma once
// The program keeps its text in UTF-8; the system's wide functions take
// UTF-16. Text crosses between the two here and nowhere else.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Every character of text, zeros included. A byte sequence that is no UTF-8
// character (a stray or cut-short byte, an overlong form, a surrogate, a
// value past U+10FFFF) becomes one U+FFFD for each maximal bad part.
std::u16string Utf8ToUtf16(std::string_view text);

// Whether the bytes are UTF-8 text, which a conversion to UTF-16 and back keeps as it is.
bool IsUtf8(std::string_view text);

// Every character of text, zeros included. A surrogate without its partner
// becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// The same, for text kept as UTF-16LE bytes (as the registry and registry
// files keep it). An odd last byte, which no unit holds, is dropped.
std::vector<std::uint8_t> Utf8ToUtf16LeBytes(std::string_view text);
std::string Utf16LeBytesToUtf8(std::span<const std::uint8_t> bytes);

} // namespace corvane
