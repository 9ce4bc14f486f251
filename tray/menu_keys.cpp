#include "tray/menu_keys.h"

#include "core/utf16.h"

namespace corvane {
namespace {

// Capital letters for the small ones of Latin-1 and of the basic Cyrillic
// block; any other unit stands for itself.
char16_t Folded(char16_t unit) {
    const bool latin = (u'a' <= unit && unit <= u'z') ||
                       (u'\u00E0' <= unit && unit <= u'\u00FE' && unit != u'\u00F7');
    if (latin || (u'\u0430' <= unit && unit <= u'\u044F'))
        return static_cast<char16_t>(unit - 0x20);
    if (u'\u0450' <= unit && unit <= u'\u045F')
        return static_cast<char16_t>(unit - 0x50);
    return unit;
}

bool BeginsWith(const std::string& row, char16_t letter) {
    const std::u16string units = Utf8ToUtf16(row.substr(0, 4));
    return !units.empty() && Folded(units.front()) == letter;
}

} // namespace

MenuCharAnswer ChooseRowByLetter(char16_t typed, const std::vector<std::string>& rows,
                                 int highlighted) {
    const char16_t letter = Folded(typed);
    std::vector<std::uint32_t> matches;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (BeginsWith(rows[i], letter))
            matches.push_back(static_cast<std::uint32_t>(i));
    if (matches.empty())
        return {};
    if (matches.size() == 1)
        return {MenuCharAction::Execute, matches.front()};
    for (const std::uint32_t position : matches)
        if (static_cast<int>(position) > highlighted)
            return {MenuCharAction::Select, position};
    return {MenuCharAction::Select, matches.front()};
}

} // namespace corvane
