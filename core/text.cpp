#include "core/text.h"

#include "core/utf16.h"

namespace corvane {

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
    const std::size_t last = path.find_last_of("\\:");
    if (last == std::string_view::npos)
        return {};
    return std::string(path.substr(0, last + 1));
}

std::string FileNamePart(std::string_view path) {
    const std::size_t last = path.find_last_of("\\:");
    if (last == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(last + 1));
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

} // namespace corvane
