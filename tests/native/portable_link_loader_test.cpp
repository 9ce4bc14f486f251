#include "shell/portable_link_loader.h"
#include "shell/shell_lnk.h"
#include "shell/std_file_system.h"
#include "tests/native/lnk_builder.h"
#include "tests/native/shell_doubles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace corvane::testing {
namespace {

class PortableLoaderTest : public ::testing::Test {
protected:
    MemoryFiles files;
    Windows1252 codePage;
    PortableLinkLoader loader{files, codePage};
};

TEST_F(PortableLoaderTest, GivesTheSevenValuesOfAShortcut) {
    files.files["C:\\a.lnk"] = LnkBuilder()
                                   .LinkInfo(LocalLinkInfo("C:\\Tools\\edit.exe"))
                                   .Name(u"\u00C9diteur")
                                   .WorkingDir(u"C:\\Tools")
                                   .Arguments(u"-n file.txt")
                                   .IconLocation(u"C:\\Tools\\edit.ico")
                                   .ShowCommand(7)
                                   .HotKey(0x0641)
                                   .IconIndex(4)
                                   .Build();
    LinkValues v;
    ASSERT_EQ(loader.Load("C:\\a.lnk", v), LoadOutcome::Loaded);
    EXPECT_EQ(v.description, "\xC9"
                             "diteur");
    EXPECT_EQ(v.target, "C:\\Tools\\edit.exe");
    EXPECT_EQ(v.workingDir, "C:\\Tools");
    EXPECT_EQ(v.arguments, "-n file.txt");
    EXPECT_EQ(v.showCmd, 7);
    EXPECT_EQ(v.hotKey, 0x0641);
    EXPECT_EQ(v.iconFile, "C:\\Tools\\edit.ico");
    EXPECT_EQ(v.iconIndex, 4);
}

TEST_F(PortableLoaderTest, ArgumentsComeBackThroughThe260CharacterBufferToo) {
    files.files["a.lnk"] = LnkBuilder().Arguments(std::u16string(300, u'a')).Build();
    LinkValues v;
    ASSERT_EQ(loader.Load("a.lnk", v), LoadOutcome::Loaded);
    EXPECT_EQ(v.arguments, std::string(259, 'a'));
}

TEST_F(PortableLoaderTest, APathTooLongForTheNameBufferFailsWithoutReadingAnything) {
    const std::string longest = "C:\\" + std::string(252, 'x') + ".lnk"; // 259 characters
    const std::string tooLong = "C:\\" + std::string(253, 'x') + ".lnk";
    files.files[longest] = LnkBuilder().Build();
    files.files[tooLong] = LnkBuilder().Build();
    LinkValues v;
    EXPECT_EQ(loader.Load(longest, v), LoadOutcome::Loaded);
    EXPECT_EQ(loader.Load(tooLong, v), LoadOutcome::ReadFailed);
    EXPECT_EQ(files.reads, std::vector<std::string>{longest});
}

TEST_F(PortableLoaderTest, AFileThatCannotBeReadOrIsNoShortcutFailsAndLeavesTheValues) {
    files.files["text.lnk"] = {'h', 'e', 'l', 'l', 'o'};
    LinkValues v;
    v.description = "kept";
    v.showCmd = 3;
    EXPECT_EQ(loader.Load("missing.lnk", v), LoadOutcome::ReadFailed);
    EXPECT_EQ(loader.Load("text.lnk", v), LoadOutcome::ReadFailed);
    EXPECT_EQ(v.description, "kept");
    EXPECT_EQ(v.showCmd, 3);
}

TEST_F(PortableLoaderTest, TheNameEndsAtItsFirstZero) {
    files.files["a.lnk"] = LnkBuilder().Build();
    LinkValues v;
    EXPECT_EQ(loader.Load(std::string("a.lnk\0b", 7), v), LoadOutcome::Loaded);
    EXPECT_EQ(files.reads.back(), "a.lnk");
}

TEST_F(PortableLoaderTest, AFileIsReadNoFurtherThanTheLimit) {
    Bytes big = LnkBuilder().Name(u"n").NoTerminalBlock().Build();
    big.resize(kMaxLinkFileBytes + 100, 0xAB);
    files.files["big.lnk"] = big;
    LinkValues v;
    EXPECT_EQ(loader.Load("big.lnk", v), LoadOutcome::Loaded);
    EXPECT_EQ(v.description, "n");
}

// The component with our reader and the real file system.
class ShortcutOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("corvane-lnk-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir / "folder.lnk");
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Write(const std::string& name, const Bytes& bytes) {
        const std::filesystem::path path = dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    std::filesystem::path dir;
    StdFileSystem files;
    Windows1252 codePage;
    PortableLinkLoader loader{files, codePage};
    CountingRegistry registry;
    TKvShellLink link{loader, files, registry};
};

TEST_F(ShortcutOnDiskTest, AFolderOrAMissingFileIsNotFoundAndABadFileIsAReadError) {
    link.SetFileName(Write("sample.lnk", DocumentationSample()));
    link.ReadLink();
    EXPECT_EQ(link.WindowState(), wsNormal);
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
    EXPECT_EQ(messageOf(Write("bad.lnk", {'L', 0, 0, 0})), kMsgReadFailed);
    EXPECT_EQ(link.Target(), "C:\\test\\a.txt") << "the values of the earlier load stay";
    EXPECT_EQ(link.WorkingDir(), "C:\\test");
}

} // namespace
} // namespace corvane::testing
