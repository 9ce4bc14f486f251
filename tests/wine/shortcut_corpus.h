#pragma once
// The shortcuts the shell's object makes under Wine (tests/data/shortcut_corpus.tsv; copies kept as
// the fuzzer's corpus), and what Windows' object gives back for each.
#include "shell/link_loader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace corvane::testing {

struct CorpusShortcut {
    std::string name; // file name without ".lnk"
    // Set through IShellLinkA before saving; unset fields are never touched.
    std::optional<std::string> path, description, workingDir, arguments, iconFile;
    std::int32_t iconIndex = 0;
    std::optional<std::int32_t> showCmd;
    std::optional<std::uint16_t> hotKey;
    std::optional<std::string> expectedTarget; // when not the path as set
};

std::vector<CorpusShortcut> ShortcutCorpus();

// Through the 260-character buffers of a load.
LinkValues WindowsValues(const CorpusShortcut& s);

// Every value but the show command, which Wine's object never loads.
inline auto AllButShowCmd(const LinkValues& v) {
    return std::tie(v.description, v.target, v.workingDir, v.arguments, v.hotKey, v.iconFile,
                    v.iconIndex);
}

} // namespace corvane::testing
