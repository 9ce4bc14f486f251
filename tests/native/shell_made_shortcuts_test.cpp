// Our reader on the shortcuts that the shell's own object made under Wine
// (kept as the fuzzer's seeds), against what Windows' object gives back.
#include "shell/portable_link_loader.h"
#include "shell/std_file_system.h"
#include "tests/fuzz/shllink_check.h"
#include "tests/wine/shortcut_corpus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace corvane::testing {
namespace {

const std::filesystem::path kCorpus = CORVANE_SHELL_MADE_CORPUS;

TEST(ShellMadeShortcuts, ReadAsWindowsGivesThemBack) {
    StdFileSystem files;
    Windows1252 codePage;
    PortableLinkLoader reader(files, codePage);
    const std::vector<CorpusShortcut> corpus = ShortcutCorpus();
    ASSERT_GE(corpus.size(), 40u);
    for (const CorpusShortcut& s : corpus) {
        SCOPED_TRACE(s.name);
        LinkValues v;
        ASSERT_EQ(reader.Load((kCorpus / (s.name + ".lnk")).string(), v), LoadOutcome::Loaded);
        const LinkValues windows = WindowsValues(s);
        EXPECT_EQ(AllButShowCmd(v), AllButShowCmd(windows));
        EXPECT_EQ(v.showCmd, windows.showCmd);
    }
}

TEST(ShellMadeShortcuts, KeepTheReadersRulesWhenCutAnywhere) {
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                              std::istreambuf_iterator<char>());
        for (std::size_t length = 0; length <= bytes.size(); length += 7)
            EXPECT_EQ(fuzz::CheckShortcutBytes({bytes.data(), length}), "")
                << entry.path().filename() << " cut at " << length;
    }
}

} // namespace
} // namespace corvane::testing
