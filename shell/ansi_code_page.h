#pragma once
// Turning the 8-bit text of a shortcut file into the program's UTF-8 text.
#include <string>
#include <string_view>

namespace corvane {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // The bytes, read in the code page, as UTF-8; zeros are kept.
    virtual std::string ToUtf8(std::string_view bytes) const = 0;
};

// Windows-1252, the Western European ANSI code page. The five bytes that
// 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1
// controls of the same number, as on Windows, so that every byte is a
// character.
class Windows1252 : public AnsiCodePage {
public:
    std::string ToUtf8(std::string_view bytes) const override;
};

} // namespace corvane
