#include "tests/wine/shortcut_corpus.h"

#include "core/show_commands.h"
#include "core/text.h"

namespace corvane::testing {
namespace {

// start, then the alphabet over and over, length characters in all.
std::string Text(std::size_t length, std::string text) {
    for (char c = 'a'; text.size() < length; c = c == 'z' ? 'a' : static_cast<char>(c + 1))
        text += c;
    return text.substr(0, length);
}

} // namespace

std::vector<CorpusShortcut> ShortcutCorpus() {
    const std::string notepad = "C:\\windows\\notepad.exe";
    const std::string shell32 = "C:\\windows\\system32\\shell32.dll";
    std::vector<CorpusShortcut> corpus{
        {.name = "nothing-set"},
        {.name = "path", .path = notepad},
        {.name = "path-missing-file", .path = "C:\\Program Files\\Missing\\app.exe"},
        {.name = "path-folder", .path = "C:\\windows"},
        {.name = "path-quoted",
         .path = "\"C:\\Program Files\\Two Words\\app.exe\"",
         .expectedTarget = "C:\\Program Files\\Two Words\\app.exe"},
        {.name = "path-long", .path = "C:\\" + Text(240, "deep-") + "\\tool.exe"},
        {.name = "path-icon", .path = notepad, .iconFile = shell32, .iconIndex = 3},
        {.name = "icon-negative-index", .path = notepad, .iconFile = shell32, .iconIndex = -2},
        {.name = "icon-only", .iconFile = "C:\\icons\\a.ico", .iconIndex = 7},
        {.name = "icon-empty-path", .path = notepad, .iconFile = "", .iconIndex = 5},
        {.name = "arguments-only", .arguments = "-a -b \"quoted arg\""},
        {.name = "empty-texts", .description = "", .workingDir = "", .arguments = ""},
        {.name = "icon-300", .iconFile = Text(300, "C:\\Icons "), .iconIndex = 1},
        // Windows-1252 text beyond ASCII.
        {.name = "ansi-texts",
         .path = "C:\\Donn\351es\\caf\351.exe",
         .description = "\311diteur de donn\351es \226 \200uro \253\273 \337\377",
         .workingDir = "C:\\Donn\351es",
         .arguments = "/titre=\"\307a va\" \223quoted\224"},
        {.name = "network-file", .path = "\\\\server\\share\\tools\\tool.exe"},
        // The shortcut that the end-to-end suite chooses through Browse.
        {.name = "probe",
         .path = "C:\\corvane-e2e\\probe.exe",
         .description = "Probe by shortcut",
         .arguments = "from-shortcut"},
        {.name = "everything",
         .path = notepad,
         .description = "Every field \351t\351 set",
         .workingDir = "C:\\windows\\temp",
         .arguments = "/a /b",
         .iconFile = shell32,
         .iconIndex = 12,
         .showCmd = 3,
         .hotKey = 0x0645},
    };
    // A hot key with the extended flag, and with every modifier too.
    const std::pair<const char*, std::uint16_t> hotKeys[] = {{"extended", 0x0824}, {"all", 0x0F70}};
    for (const auto& [what, key] : hotKeys)
        corpus.push_back({.name = std::string("hotkey-") + what, .path = notepad, .hotKey = key});
    for (const std::int32_t show : {1, 3, 7, 2, 0, 9})
        corpus.push_back(
            {.name = "show-" + std::to_string(show), .path = notepad, .showCmd = show});
    // Texts around the 260-character buffers.
    for (const std::size_t length : {258u, 259u, 260u, 300u}) {
        const std::string n = std::to_string(length);
        corpus.push_back({.name = "description-" + n, .description = Text(length, "Description ")});
        corpus.push_back({.name = "workdir-" + n, .workingDir = Text(length, "C:\\Folder ")});
        corpus.push_back(
            {.name = "arguments-" + n, .path = notepad, .arguments = Text(length, "-x ")});
    }
    return corpus;
}

LinkValues WindowsValues(const CorpusShortcut& s) {
    const auto cut = [](const std::optional<std::string>& text) {
        return CutTo(text.value_or(""), kLinkTextMax);
    };
    return LinkValues{.description = cut(s.description),
                      .target = s.expectedTarget.value_or(cut(s.path)),
                      .workingDir = cut(s.workingDir),
                      .arguments = cut(s.arguments),
                      .showCmd = s.showCmd.value_or(kSwShowNormal), // that of a new object
                      .hotKey = s.hotKey.value_or(0),
                      .iconFile = cut(s.iconFile),
                      .iconIndex = s.iconFile ? s.iconIndex : 0};
}

} // namespace corvane::testing
