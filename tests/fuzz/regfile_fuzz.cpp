// libFuzzer entry for the settings importer: any broken rule is a crash.
#include "core/entry_rule.h"
#include "core/reg_file.h"
#include "core/store_file.h"
#include "core/utf16.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace corvane::fuzz {
namespace {

// The first rule the importer breaks for the bytes, or an empty text.
std::string BrokenRule(const std::vector<std::uint8_t>& bytes) {
    const StoreImport imported = ImportStore(bytes);
    if (!imported.contents) {
        const std::string& why = imported.refusal;
        const long line = why.rfind("Line ", 0) == 0 ? std::atol(why.c_str() + 5) : 0;
        const bool named = line >= 1 && line <= 1 + std::count(bytes.begin(), bytes.end(), '\n');
        return named || why.rfind("The file holds no [", 0) == 0 ? "" : "no line named: " + why;
    }
    const StoreContents& contents = *imported.contents;
    if (contents.entries.size() > static_cast<std::size_t>(kMaxEntries))
        return "more than 20 entries";
    EntryTable table;
    for (const Entry& entry : contents.entries) {
        for (const auto& [field, text] : {std::pair{EntryText::Path, &entry.path},
                                          std::pair{EntryText::IconPath, &entry.iconPath},
                                          std::pair{EntryText::Description, &entry.description},
                                          std::pair{EntryText::Parameters, &entry.parameters}})
            if (FaultOf(field, *text) != TextFault::None || !IsUtf8(*text) ||
                text->find('\0') != std::string::npos)
                return "a text is one the entry rule refuses, no UTF-8 or holds a zero";
    }
    table.AppendAll(contents.entries);
    // No text forges a line of the question: each entry takes two.
    const std::string question = ImportQuestion(contents);
    if (std::count(question.begin(), question.end(), '\n') !=
        2 * static_cast<std::ptrdiff_t>(contents.entries.size()) + 8)
        return "the question holds a line that no entry or option gives: " + question;
    // What was taken is a store: exported, it is taken again as it was (an empty icon path is
    // stored as the path, and the tray icon identifiers are the table's).
    const StoreImport again = ImportStore(ExportStore(contents.options, contents.hotKey, table));
    if (!again.contents)
        return "an export of an import is refused: " + again.refusal;
    std::vector<Entry> expected = contents.entries;
    for (std::size_t slot = 0; slot < expected.size(); ++slot) {
        Entry& entry = expected[slot];
        entry.iconPath = entry.iconPath.empty() ? entry.path : entry.iconPath;
        entry.iconId = table.At(static_cast<int>(slot)).iconId;
    }
    if (again.contents->entries != expected || !(again.contents->options == contents.options))
        return "an export of an import differs from it";
    return {};
}

} // namespace
} // namespace corvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken = corvane::fuzz::BrokenRule({data, data + size});
    if (!broken.empty()) {
        std::fprintf(stderr, "settings importer rule broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
