// The loader on our own reader: the shortcuts that the shell's object made
// under Wine against what Windows' object gives back, and its own failures;
// the real file system.
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
    for (const CorpusShortcut& s : ShortcutCorpus()) {
        SCOPED_TRACE(s.name);
        LinkValues v;
        ASSERT_EQ(reader.Load((kCorpus / (s.name + ".lnk")).string(), v), LoadOutcome::Loaded);
        const LinkValues windows = WindowsValues(s);
        EXPECT_EQ(AllButShowCmd(v), AllButShowCmd(windows));
        EXPECT_EQ(v.showCmd, windows.showCmd);
    }
}

TEST(PortableLoader, FailsForANameTooLongForTheBufferAndForAFileItCannotRead) {
    MemoryFiles files;
    Windows1252 codePage;
    PortableLinkLoader loader(files, codePage);
    const std::string longest = "C:\\" + std::string(252, 'x') + ".lnk"; // 259 characters
    for (const std::string& name : {longest, longest + "x", std::string("a.lnk")})
        files.files[name] = FileBytes(kSeeds / "header-only.lnk");
    LinkValues v;
    v.description = "kept";
    EXPECT_EQ(loader.Load(longest + "x", v), LoadOutcome::ReadFailed);
    EXPECT_EQ(loader.Load("missing.lnk", v), LoadOutcome::ReadFailed);
    EXPECT_EQ(v.description, "kept");
    EXPECT_EQ(loader.Load(longest, v), LoadOutcome::Loaded);
    EXPECT_EQ(loader.Load(std::string("a.lnk\0b", 7), v), LoadOutcome::Loaded);
    EXPECT_EQ(files.reads, (std::vector<std::string>{"missing.lnk", longest, "a.lnk"}));
}

TEST(StdFileSystem, OnlyAFileIsOneAndAReadTakesAtMostTheBytesAsked) {
    StdFileSystem files;
    for (const std::filesystem::path& notAFile : {kSeeds, kSeeds / "missing.lnk", {}}) {
        EXPECT_FALSE(files.IsFile(notAFile.string())) << notAFile;
        EXPECT_FALSE(files.ReadFile(notAFile.string(), 8)) << notAFile;
    }
    const Bytes sample = FileBytes(kSeeds / "sample.lnk");
    EXPECT_EQ(files.ReadFile((kSeeds / "sample.lnk").string(), 5),
              Bytes(sample.begin(), sample.begin() + 5));
}

} // namespace
} // namespace corvane::testing
