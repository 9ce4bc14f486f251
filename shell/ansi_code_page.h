#pragma once
// Turning UTF-16 text of a shortcut file into the program's 8-bit ANSI text.
#include <string>
#include <string_view>

namespace corvane {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // The text in the code page; a character it cannot hold becomes '?'.
    virtual std::string FromUtf16(std::u16string_view text) const = 0;
};

// Windows-1252, the Western European ANSI code page, without best-fit
// guesses. The five bytes that 1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the C1 controls of the same number, as on Windows,
// so that every byte survives a round trip.
class Windows1252 : public AnsiCodePage {
public:
    std::string FromUtf16(std::u16string_view text) const override;
};

} // namespace corvane
