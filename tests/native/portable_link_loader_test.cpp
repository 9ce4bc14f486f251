// The loader on our own reader: the shortcuts that the shell's object made
// under Wine against what Windows' object gives back, its own failures, and
// the component over the real file system.
#include "shell/portable_link_loader.h"
#include "shell/shell_lnk.h"
#include "shell/std_file_system.h"
#include "tests/native/shell_doubles.h"
#include "tests/wine/shortcut_corpus.h"

#include <gtest/gtest.h>

#include <random>

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

TEST(ShortcutOnDisk, AFolderOrAMissingFileIsNotFoundAndABadFileIsAReadError) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("corvane-lnk-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(dir / "folder.lnk");
    const auto write = [&](const std::string& name, const Bytes& bytes) {
        std::ofstream(dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return (dir / name).string();
    };
    StdFileSystem files;
    Windows1252 codePage;
    PortableLinkLoader loader(files, codePage);
    MemoryRegistry registry;
    TKvShellLink link(loader, files, registry);
    const Bytes sample = FileBytes(kSeeds / "sample.lnk");
    link.SetFileName(write("sample.lnk", sample));
    link.ReadLink();
    const auto messageOf = [&](const std::string& name) -> std::string {
        link.SetFileName(name);
        try {
            link.ReadLink();
        } catch (const EKvShellLink& e) {
            return e.what();
        }
        return "(no error)";
    };
    EXPECT_EQ(messageOf((dir / "folder.lnk").string()), kMsgLinkNotFound);
    EXPECT_EQ(messageOf((dir / "missing.lnk").string()), kMsgLinkNotFound);
    EXPECT_EQ(messageOf(""), kMsgLinkNotFound);
    EXPECT_EQ(messageOf(write("bad.lnk", {'L', 0, 0, 0})), kMsgReadFailed);
    EXPECT_EQ(link.Target(), "C:\\test\\a.txt") << "the values of the earlier load stay";
    EXPECT_EQ(files.ReadFile((dir / "sample.lnk").string(), 5),
              Bytes(sample.begin(), sample.begin() + 5));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace corvane::testing
