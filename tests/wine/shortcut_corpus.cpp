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

// Sets the fields of one shortcut of the corpus.
class Make {
public:
    explicit Make(std::string name) { s_.name = std::move(name); }
    Make& path(std::string v) {
        s_.path = std::move(v);
        return *this;
    }
    Make& description(std::string v) {
        s_.description = std::move(v);
        return *this;
    }
    Make& workingDir(std::string v) {
        s_.workingDir = std::move(v);
        return *this;
    }
    Make& arguments(std::string v) {
        s_.arguments = std::move(v);
        return *this;
    }
    Make& icon(std::string file, std::int32_t index = 0) {
        s_.iconFile = std::move(file);
        s_.iconIndex = index;
        return *this;
    }
    Make& showCmd(std::int32_t v) {
        s_.showCmd = v;
        return *this;
    }
    Make& hotKey(std::uint16_t v) {
        s_.hotKey = v;
        return *this;
    }
    Make& expectedTarget(std::string v) {
        s_.expectedTarget = std::move(v);
        return *this;
    }
    operator CorpusShortcut() const { return s_; }

private:
    CorpusShortcut s_;
};

} // namespace

std::vector<CorpusShortcut> ShortcutCorpus() {
    const std::string notepad = "C:\\windows\\notepad.exe";
    std::vector<CorpusShortcut> corpus;
    const auto add = [&](CorpusShortcut s) {
        corpus.push_back(std::move(s));
    };

    add(Make("nothing-set"));
    add(Make("path").path(notepad));
    add(Make("path-missing-file").path("C:\\Program Files\\Missing\\app.exe"));
    add(Make("path-folder").path("C:\\windows"));
    add(Make("path-quoted")
            .path("\"C:\\Program Files\\Two Words\\app.exe\"")
            .expectedTarget("C:\\Program Files\\Two Words\\app.exe"));
    add(Make("path-long").path("C:\\" + Text(240, "deep-") + "\\tool.exe"));
    add(Make("path-args").path(notepad).arguments("C:\\notes.txt"));
    add(Make("path-workdir").path(notepad).workingDir("C:\\windows\\temp"));
    add(Make("path-description").path(notepad).description("Notepad"));
    add(Make("path-icon").path(notepad).icon("C:\\windows\\system32\\shell32.dll", 3));
    add(Make("icon-negative-index").path(notepad).icon("C:\\windows\\system32\\shell32.dll", -2));
    add(Make("icon-only").icon("C:\\icons\\a.ico", 7));
    add(Make("icon-empty-path").path(notepad).icon("", 5));
    add(Make("description-only").description("Only a description"));
    add(Make("arguments-only").arguments("-a -b \"quoted arg\""));
    add(Make("workdir-only").workingDir("C:\\work"));
    add(Make("empty-texts").description("").workingDir("").arguments(""));

    // Hot keys: each modifier, the extended flag, and all at once.
    const std::pair<const char*, std::uint16_t> hotKeys[] = {
        {"plain", 0x0041},    {"shift", 0x0141}, {"control", 0x0242},     {"alt", 0x0443},
        {"extended", 0x0824}, {"all", 0x0F70},   {"control-alt", 0x0646}, {"shift-alt-f12", 0x057B},
    };
    for (const auto& [what, key] : hotKeys)
        add(Make(std::string("hotkey-") + what).path(notepad).hotKey(key));

    // Show commands, as set.
    for (const std::int32_t show : {1, 3, 7, 2, 0, 9})
        add(Make("show-" + std::to_string(show)).path(notepad).showCmd(show));

    // Texts around the 260-character buffers.
    for (const std::size_t length : {258u, 259u, 260u, 300u}) {
        const std::string n = std::to_string(length);
        add(Make("description-" + n).description(Text(length, "Description ")));
        add(Make("workdir-" + n).workingDir(Text(length, "C:\\Folder ")));
        add(Make("arguments-" + n).path(notepad).arguments(Text(length, "-x ")));
    }
    add(Make("icon-300").icon(Text(300, "C:\\Icons "), 1));

    // Text in the ANSI code page beyond ASCII (Windows-1252).
    add(Make("ansi-texts")
            .path("C:\\Donn\xE9"
                  "es\\caf\xE9.exe")
            .description("\xC9"
                         "diteur de donn\xE9"
                         "es \x96 \x80uro \xAB\xBB \xDF\xFF")
            .workingDir("C:\\Donn\xE9"
                        "es")
            .arguments("/titre=\"\xC7"
                       "a va\" \x93quoted\x94"));
    add(Make("ansi-icon").path(notepad).icon("C:\\Ic\xF4nes\\\xE9t\xE9.ico"));

    // Network targets.
    add(Make("network-file").path("\\\\server\\share\\tools\\tool.exe"));
    add(Make("network-share-args")
            .path("\\\\srv\\pub\\report.txt")
            .workingDir("\\\\srv\\pub")
            .arguments("/print"));

    add(Make("everything")
            .path(notepad)
            .description("Every field \xE9t\xE9 set")
            .workingDir("C:\\windows\\temp")
            .arguments("/a /b")
            .showCmd(3)
            .hotKey(0x0645)
            .icon("C:\\windows\\system32\\shell32.dll", 12));
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
