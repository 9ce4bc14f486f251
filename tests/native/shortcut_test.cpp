// Shortcuts: the component that names and reads them, and the reader of the format on the
// hand-made files of tests/fuzz.
#include "core/utf16.h"
#include "shell/shell_lnk.h"
#include "shell/shllink_format.h"
#include "tests/data_rows.h"
#include "tests/native/shell_doubles.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane::testing {
namespace {

const std::string kFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class ShellLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.PutString(kFolders, "Desktop", "C:\\WINDOWS\\Desktop");
        registry.PutString(kFolders, "Start Menu", "C:\\WINDOWS\\Start Menu");
        registry.PutString(kFolders, "Templates", "C:\\WINDOWS\\ShellNew");
    }
    std::string MessageOf(const auto& action) {
        try {
            action();
        } catch (const EKvShellLink& e) {
            return e.what();
        }
        return "(no error)";
    }

    ScriptedLoader loader;
    MemoryFiles files;
    MemoryRegistry registry;
    TKvShellLink link{loader, files, registry};
};

TEST_F(ShellLinkTest, FileNameIsNormalizedAsTheTableSays) {
    for (const DataRow& r : DataRows("link_names.tsv")) {
        TKvShellLink fresh(loader, files, registry);
        fresh.SetFileName("C:\\previous.lnk");
        fresh.SetShellFolder(static_cast<TShellFolder>(std::stoi(r[1])));
        fresh.SetFileName(r[0]);
        EXPECT_EQ(fresh.FileName(), r.at(2)) << r[0];
    }
    MemoryRegistry bare; // no Shell Folders key at all, and none is made
    TKvShellLink other(loader, files, bare);
    other.SetShellFolder(sfDesktop);
    other.SetFileName("Editor");
    EXPECT_EQ(other.FileName(), "\\Editor.lnk");
    EXPECT_FALSE(bare.Exists(kFolders));
}

TEST_F(ShellLinkTest, ReadLinkLoadsTheFileThatFileNameNamesAndAFailureChangesNothing) {
    link.SetFileName("C:\\Links\\Editor");
    files.files["C:\\Links\\Editor.lnk"] = {};
    loader.result = {
        "Editor", "C:\\Tools\\edit.exe", "C:\\Tools", "-n", 3, 0x0641, "C:\\Tools\\edit.ico", 2};
    link.ReadLink();
    link.SetFileName("C:\\Links\\Missing");
    EXPECT_EQ(MessageOf([&] { link.ReadLink(); }), kMsgLinkNotFound);
    EXPECT_EQ(loader.paths, std::vector<std::string>{"C:\\Links\\Editor.lnk"});
    loader.result = LinkValues{};
    loader.outcome = LoadOutcome::ReadFailed;
    EXPECT_EQ(MessageOf([&] { link.LoadLink("C:\\second.lnk"); }), kMsgReadFailed);
    EXPECT_EQ(std::make_tuple(link.Description(), link.Target(), link.WorkingDir(),
                              link.Arguments(), link.ShowCmd(), link.LinkHotKey(),
                              link.FileIcon().FileName, link.FileIcon().IconIndex),
              std::make_tuple("Editor", "C:\\Tools\\edit.exe", "C:\\Tools", "-n", 3, 0x0641,
                              "C:\\Tools\\edit.ico", 2));
}

const Windows1252 kCodePage;

TEST(ShellLinkFiles, ReadAsTheirShapesSay) {
    for (const DataRow& r : DataRows("shortcut_shapes.tsv")) {
        const std::optional<ShellLinkData> d = ParseShellLink(FileBytes(kFuzz / r[0]), kCodePage);
        ASSERT_EQ(d.has_value(), r.size() > 1) << r[0];
        if (!d)
            continue;
        EXPECT_EQ(std::tie(d->description, d->relativePath, d->workingDir, d->arguments,
                           d->iconFile, d->target, d->showCommand, d->hotKey, d->iconIndex),
                  std::make_tuple(r[1], r[2], r[3], r[4], r[5], r[6], std::stoi(r[7]),
                                  std::stoi(r[8], nullptr, 0), std::stoi(r[9])))
            << r[0];
    }
}

TEST(ShellLinkFiles, EveryCutBeforeTheExtraDataFailsAndEveryLaterCutStillReads) {
    const Bytes sample = FileBytes(kFuzz / "seeds/sample.lnk");
    constexpr std::size_t kExtraDataAt = 0x167; // after the working folder
    for (std::size_t length = 0; length < sample.size(); ++length) {
        // As the loader reads a file longer than it takes: its first bytes.
        const Bytes cut = *StdFileSystem().ReadFile((kFuzz / "seeds/sample.lnk").string(), length);
        const auto data = ParseShellLink(cut, kCodePage);
        ASSERT_EQ(data.has_value(), length >= kExtraDataAt) << length;
        EXPECT_EQ(data.value_or(ShellLinkData{.target = "C:\\test\\a.txt"}).target,
                  "C:\\test\\a.txt");
    }
    Bytes otherClass = sample;
    otherClass[19] ^= 1;
    EXPECT_FALSE(ParseShellLink(otherClass, kCodePage));
}

TEST(Windows1252, EachByteOfTheCodePageIsItsCharacterInUtf8) {
    for (const DataRow& r : DataRows("windows1252.tsv"))
        EXPECT_EQ(kCodePage.ToUtf8(std::string(1, char(std::stoi(r[0], nullptr, 16)))),
                  Utf16ToUtf8(std::u16string(1, char16_t(std::stoi(r[1], nullptr, 16)))))
            << r[0];
    // Below 0x80 and from 0xA0 on, each byte is the character of its number; zeros are kept.
    EXPECT_EQ(kCodePage.ToUtf8(std::string("a\0\x7F\xA0\xE9\xFF", 6)),
              std::string("a\0\x7F\u00A0\u00E9\u00FF", 9));
}

} // namespace
} // namespace corvane::testing
