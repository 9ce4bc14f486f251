#include "tests/wine/shortcut_corpus.h"

#include "core/show_commands.h"
#include "core/text.h"
#include "tests/data_rows.h"

namespace corvane::testing {

std::vector<CorpusShortcut> ShortcutCorpus() {
    // An empty cell is a field left unset; "" one set to nothing.
    const auto text = [](const std::string& cell) {
        return cell.empty() ? std::nullopt : std::optional(cell == "\"\"" ? "" : cell);
    };
    const auto number = [](const std::string& cell) {
        return cell.empty() ? std::nullopt : std::optional(std::stoi(cell, nullptr, 0));
    };
    std::vector<CorpusShortcut> corpus;
    for (const DataRow& r : DataRows("shortcut_corpus.tsv"))
        corpus.push_back({r.at(0), text(r[1]), text(r[2]), text(r[3]), text(r[4]), text(r[5]),
                          number(r[6]).value_or(0), number(r[7]), number(r[8]), text(r.at(9))});
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
