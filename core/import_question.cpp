// The question an import asks before it replaces the table: each entry with
// what it starts and how, its texts shown so that no character can hide in
// them or forge a line of the question.
#include "core/entry_rule.h"
#include "core/hot_key.h"
#include "core/show_commands.h"
#include "core/store_file.h"
#include "core/text.h"
#include "core/utf16.h"

#include <vector>

namespace corvane {
namespace {

// The most a text takes of the question, in UTF-16 units: an entry stays
// within two lines of the message box.
constexpr std::size_t kShownDescription = 64;
constexpr std::size_t kShownPath = 90;
constexpr std::size_t kShownParams = 70;
// The longest note of what was left out: " [32767 characters left out] ".
constexpr std::size_t kLeftOutNote = 29;

// Characters that break a line, turn its direction or show nothing: control
// characters, the line and paragraph separators, the marks of direction.
bool Hidden(char16_t c) {
    return IsControlCharacter(c) || c == 0x2028 || c == 0x2029 || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::u16string Escape(char16_t c) {
    switch (c) {
    case u'\n':
        return u"\\n";
    case u'\r':
        return u"\\r";
    case u'\t':
        return u"\\t";
    default:
        break;
    }
    return Utf8ToUtf16(c < 0x100 ? "\\x" + Hex(c, 2, true) : "\\u" + Hex(c, 4, true));
}

// Each character of the text as it shows: a hidden one as an escape (\n, \r,
// \t, \xHH, \uHHHH), and a backslash that would read as the start of one
// (before n, r, t, x, u, a backslash or an escape) doubled.
std::vector<std::u16string> ShownCharacters(std::string_view text) {
    const std::u16string units = Utf8ToUtf16(text);
    const std::u16string_view escapeLetters = u"nrtxu\\";
    std::vector<std::u16string> shown;
    for (std::size_t at = 0; at < units.size(); ++at) {
        const char16_t c = units[at];
        const char16_t next = at + 1 < units.size() ? units[at + 1] : u' ';
        if (c >= 0xD800 && c <= 0xDBFF) // with its partner, which the conversion gives
            shown.push_back(units.substr(at++, 2));
        else if (Hidden(c))
            shown.push_back(Escape(c));
        else if (c == u'\\' && (Hidden(next) || escapeLetters.find(next) != std::u16string::npos))
            shown.push_back(u"\\\\");
        else
            shown.push_back(std::u16string(1, c));
    }
    return shown;
}

// The text as it shows, in at most max units: of a longer one its start and
// its end (a path's folder and file), with how many characters are left out.
std::string Shown(std::string_view text, std::size_t max) {
    const std::vector<std::u16string> characters = ShownCharacters(text);
    std::size_t total = 0;
    for (const std::u16string& character : characters)
        total += character.size();
    std::size_t head = characters.size();
    std::size_t tail = head;
    if (total > max) {
        std::size_t units = 0;
        for (head = 0; units + characters[head].size() <= (max - kLeftOutNote) * 2 / 3; ++head)
            units += characters[head].size();
        for (units = 0; units + characters[tail - 1].size() <= (max - kLeftOutNote) / 3; --tail)
            units += characters[tail - 1].size();
    }
    std::u16string out;
    for (std::size_t k = 0; k < characters.size(); ++k) {
        if (k == head && head < tail)
            out += Utf8ToUtf16(" [" + std::to_string(tail - head) + " characters left out] ");
        if (k < head || k >= tail)
            out += characters[k];
    }
    return Utf16ToUtf8(out);
}

// What the entry does besides starting its path: "(Auto Start, Hidden, Run as administrator)".
std::string HowItStarts(const Entry& entry) {
    static const char* const modes[] = {"Maximized", "Minimized", "Hidden"};
    std::string how;
    if (entry.autoStart)
        how += ", Auto Start";
    if (entry.startMode >= smMaximized && entry.startMode <= smHidden)
        how += std::string(", ") + modes[entry.startMode - smMaximized];
    if (entry.runAsAdmin)
        how += ", Run as administrator";
    return how.empty() ? how : " (" + how.substr(2) + ")";
}

} // namespace

std::string ImportQuestion(const StoreContents& contents) {
    std::string text = "The file holds " + std::to_string(contents.entries.size()) +
                       (contents.entries.size() == 1 ? " entry:\n" : " entries:\n");
    int number = 0;
    for (const Entry& entry : contents.entries) {
        text += std::to_string(++number) + ". " + Shown(entry.description, kShownDescription) +
                HowItStarts(entry) + "\n    Path: " + Shown(entry.path, kShownPath);
        if (!entry.parameters.empty())
            text += "   Parameters: " + Shown(entry.parameters, kShownParams);
        text += "\n";
    }
    const auto yesNo = [](bool on) {
        return on ? "Yes\n" : "No\n";
    };
    text += std::string("\nHide on Startup: ") + yesNo(contents.options.hideOnStart) +
            "Single Click Launch: " + yesNo(contents.options.singleClick) +
            "Pop-up menu: " + yesNo(contents.options.popUp) +
            "Small Icons: " + yesNo(contents.options.smallIcons) +
            "Hot key: " + (contents.hotKey ? HotKeyName(contents.hotKey) : "None") +
            "\n\nReplace the entries and options with these?";
    return text;
}

} // namespace corvane
