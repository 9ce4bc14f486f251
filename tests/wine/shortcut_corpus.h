#pragma once
// The shortcuts that the differential test has the shell's own object make
// under Wine: what each sets, and what Windows' object gives back after
// loading it. Portable, so that the native suite can read the copies kept as
// the fuzzer's seeds (tests/fuzz/corpus) against the same values.
#include "shell/link_loader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace corvane::testing {

struct CorpusShortcut {
    std::string name; // file name in the corpus folder
    // What is set through IShellLinkA before IPersistFile::Save; unset
    // fields are never touched.
    std::optional<std::string> path{}, description{}, workingDir{}, arguments{}, iconFile{};
    std::int32_t iconIndex = 0;
    std::optional<std::int32_t> showCmd{};
    std::optional<std::uint16_t> hotKey{};
    // The target Windows reports, when it is not the path as set.
    std::optional<std::string> expectedTarget{};
};

std::vector<CorpusShortcut> ShortcutCorpus();

// What Windows' object gives back for the shortcut after loading it, through
// the 260-character buffers of a load.
LinkValues WindowsValues(const CorpusShortcut& s);

// Every value but the show command, which Wine's object never loads, as one
// comparable whole.
inline auto AllButShowCmd(const LinkValues& v) {
    return std::tie(v.description, v.target, v.workingDir, v.arguments, v.hotKey, v.iconFile,
                    v.iconIndex);
}

} // namespace corvane::testing
