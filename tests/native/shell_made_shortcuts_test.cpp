// Our reader on the shortcuts that the shell's own object made under Wine
// (kept in the fuzzer's corpus), against what Windows' object gives back.
#include "shell/portable_link_loader.h"
#include "shell/std_file_system.h"
#include "tests/native/shell_doubles.h"
#include "tests/wine/shortcut_corpus.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

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

} // namespace
} // namespace corvane::testing
