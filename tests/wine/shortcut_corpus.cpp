#include "tests/wine/shortcut_corpus.h"

#include "core/show_commands.h"
#include "core/text.h"

namespace corvane::testing {
namespace {

std::string Text(std::size_t length, const std::string& start) {
    std::string text = start;
    for (char c = 'a'; text.size() < length; c = c == 'z' ? 'a' : static_cast<char>(c + 1))
        text += c;
    return text.substr(0, length);
}

} // namespace

std::vector<CorpusShortcut> ShortcutCorpus() {
    const std::string notepad = "C:\\windows\\notepad.exe";
    std::vector<CorpusShortcut> corpus;
    const auto add = [&](CorpusShortcut s) {
        corpus.push_back(std::move(s));
    };

    add({.name = "nothing-set"});
    add({.name = "path", .path = notepad});
    add({.name = "path-missing-file", .path = "C:\\Program Files\\Missing\\app.exe"});
    add({.name = "path-folder", .path = "C:\\windows"});
    add({.name = "path-quoted",
         .path = "\"C:\\Program Files\\Two Words\\app.exe\"",
         .expectedTarget = "C:\\Program Files\\Two Words\\app.exe"});
    add({.name = "path-long", .path = "C:\\" + Text(240, "deep-") + "\\tool.exe"});
    add({.name = "path-args", .path = notepad, .arguments = "C:\\notes.txt"});
    add({.name = "path-workdir", .path = notepad, .workingDir = "C:\\windows\\temp"});
    add({.name = "path-description", .path = notepad, .description = "Notepad"});
    const std::string shell32 = "C:\\windows\\system32\\shell32.dll";
    add({.name = "path-icon", .path = notepad, .iconFile = shell32, .iconIndex = 3});
    add({.name = "icon-negative-index", .path = notepad, .iconFile = shell32, .iconIndex = -2});
    add({.name = "icon-only", .iconFile = "C:\\icons\\a.ico", .iconIndex = 7});
    add({.name = "icon-empty-path", .path = notepad, .iconFile = "", .iconIndex = 5});
    add({.name = "description-only", .description = "Only a description"});
    add({.name = "arguments-only", .arguments = "-a -b \"quoted arg\""});
    add({.name = "workdir-only", .workingDir = "C:\\work"});
    add({.name = "empty-texts", .description = "", .workingDir = "", .arguments = ""});

    // Hot keys: each modifier, the extended flag, and all at once.
    const std::pair<const char*, std::uint16_t> hotKeys[] = {
        {"plain", 0x0041},    {"shift", 0x0141}, {"control", 0x0242},     {"alt", 0x0443},
        {"extended", 0x0824}, {"all", 0x0F70},   {"control-alt", 0x0646}, {"shift-alt-f12", 0x057B},
    };
    for (const auto& [what, key] : hotKeys)
        add({.name = std::string("hotkey-") + what, .path = notepad, .hotKey = key});

    // Show commands, as set.
    for (const std::int32_t show : {1, 3, 7, 2, 0, 9})
        add({.name = "show-" + std::to_string(show), .path = notepad, .showCmd = show});

    // Texts around the 260-character buffers.
    for (const std::size_t length : {258u, 259u, 260u, 300u}) {
        const std::string n = std::to_string(length);
        add({.name = "description-" + n, .description = Text(length, "Description ")});
        add({.name = "workdir-" + n, .workingDir = Text(length, "C:\\Folder ")});
        add({.name = "arguments-" + n, .path = notepad, .arguments = Text(length, "-x ")});
    }
    add({.name = "icon-300", .iconFile = Text(300, "C:\\Icons "), .iconIndex = 1});

    // Text in the ANSI code page beyond ASCII (Windows-1252).
    add({.name = "ansi-texts",
         .path = "C:\\Donn\xE9"
                 "es\\caf\xE9.exe",
         .description = "\xC9"
                        "diteur de donn\xE9"
                        "es \x96 \x80uro \xAB\xBB \xDF\xFF",
         .workingDir = "C:\\Donn\xE9"
                       "es",
         .arguments = "/titre=\"\xC7"
                      "a va\" \x93quoted\x94"});
    add({.name = "ansi-icon", .path = notepad, .iconFile = "C:\\Ic\xF4nes\\\xE9t\xE9.ico"});

    // Network targets.
    add({.name = "network-file", .path = "\\\\server\\share\\tools\\tool.exe"});
    add({.name = "network-share-args",
         .path = "\\\\srv\\pub\\report.txt",
         .workingDir = "\\\\srv\\pub",
         .arguments = "/print"});

    add({.name = "everything",
         .path = notepad,
         .description = "Every field \xE9t\xE9 set",
         .workingDir = "C:\\windows\\temp",
         .arguments = "/a /b",
         .iconFile = shell32,
         .iconIndex = 12,
         .showCmd = 3,
         .hotKey = 0x0645});
    return corpus;
}

LinkValues WindowsValues(const CorpusShortcut& s) {
    const auto cut = [](const std::optional<std::string>& text) {
        return CutTo(text.value_or(""), kLinkTextMax);
    };
    LinkValues v;
    v.description = cut(s.description);
    v.target = s.expectedTarget ? *s.expectedTarget : cut(s.path);
    v.workingDir = cut(s.workingDir);
    v.arguments = cut(s.arguments);
    v.showCmd = s.showCmd.value_or(kSwShowNormal); // that of a new object
    v.hotKey = s.hotKey.value_or(0);
    v.iconFile = cut(s.iconFile);
    v.iconIndex = s.iconFile ? s.iconIndex : 0;
    return v;
}

} // namespace corvane::testing
