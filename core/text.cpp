#include "core/text.h"

#include "core/utf16.h"

namespace corvane {
namespace {

// How many leading characters name the folder: up to and including the last
// backslash, or else a drive's colon ("E:d.exe"). Any other colon belongs to
// the name ("https://example.com/x" names no folder).
std::size_t FolderLength(std::string_view path) {
    if (const std::size_t last = path.find_last_of('\\'); last != std::string_view::npos)
        return last + 1;
    const bool driveLetter = path.size() >= 2 && ((path[0] >= 'A' && path[0] <= 'Z') ||
                                                  (path[0] >= 'a' && path[0] <= 'z'));
    return driveLetter && path[1] == ':' ? 2 : 0;
}

} // namespace

std::size_t Utf16Length(std::string_view text) {
    return Utf8ToUtf16(text).size();
}

std::string CutToUtf16(std::string_view text, std::size_t max) {
    std::u16string wide = Utf8ToUtf16(text);
    if (wide.size() <= max)
        return std::string(text);
    // The two halves of a character past U+FFFF stay together.
    const bool splitsPair = max > 0 && wide[max - 1] >= 0xD800 && wide[max - 1] <= 0xDBFF;
    wide.resize(splitsPair ? max - 1 : max);
    return Utf16ToUtf8(wide);
}

std::string FolderPart(std::string_view path) {
    return std::string(path.substr(0, FolderLength(path)));
}

std::string FileNamePart(std::string_view path) {
    return std::string(path.substr(FolderLength(path)));
}

std::string UpToFirstZero(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Hex(std::uint32_t value, int minDigits, bool capitals) {
    const char* digits = capitals ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out;
    for (; value != 0 || static_cast<int>(out.size()) < minDigits; value >>= 4)
        out.insert(out.begin(), digits[value & 0xF]);
    return out;
}

} // namespace corvane
