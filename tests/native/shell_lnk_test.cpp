#include "core/registry_accessor.h"
#include "shell/shell_lnk.h"
#include "tests/native/shell_doubles.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace corvane::testing {
namespace {

const std::string kFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class ShellLinkTest : public ::testing::Test {
protected:
    ScriptedLoader loader;
    MemoryFiles files;
    CountingRegistry registry;
    TKvShellLink link{loader, files, registry};

    void SetUp() override {
        registry.PutString(kFolders, "Desktop", "C:\\WINDOWS\\Desktop", true);
        registry.PutString(kFolders, "Start Menu", "C:\\WINDOWS\\Start Menu");
    }

    static std::string MessageOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const EKvShellLink& e) {
            return e.what();
        }
        return "(no error)";
    }

    LinkValues Loaded() {
        LinkValues v;
        v.description = "Editor";
        v.target = "C:\\Tools\\edit.exe";
        v.workingDir = "C:\\Tools";
        v.arguments = "-n";
        v.showCmd = 3;
        v.hotKey = 0x0641;
        v.iconFile = "C:\\Tools\\edit.ico";
        v.iconIndex = 2;
        return v;
    }

    // The values the component shows, and those a loader gave, alike.
    static auto Shown(const TKvShellLink& l) {
        return std::make_tuple(l.Description(), l.Target(), l.WorkingDir(), l.Arguments(),
                               l.ShowCmd(), l.LinkHotKey(), l.FileIcon().FileName,
                               l.FileIcon().IconIndex);
    }
    static auto Fields(const LinkValues& v) {
        return std::make_tuple(v.description, v.target, v.workingDir, v.arguments, v.showCmd,
                               v.hotKey, v.iconFile, v.iconIndex);
    }
    void ExpectLoaded() { EXPECT_EQ(Shown(link), Fields(Loaded())); }
};

TEST(ShellLinkMessages, AreTheWindows1252BytesWithStraightQuotes) {
    EXPECT_EQ(std::string(kMsgCreateFailed), "\x22"
                                             "CoCreateInstance\x22 a \xE9"
                                             "chou\xE9.");
    EXPECT_EQ(std::string(kMsgPersistFileFailed), "\x22PersistFile QueryInterface\x22 a \xE9"
                                                  "chou\xE9.");
    EXPECT_EQ(std::string(kMsgReadFailed), "Erreur en lecture.");
    EXPECT_EQ(std::string(kMsgLinkNotFound), "Lien non trouv\xE9.");
    EXPECT_EQ(std::string(kMsgLinkNotFound).size(), 16u) << "one byte for the accented letter";
}

TEST_F(ShellLinkTest, StartsEmpty) {
    EXPECT_EQ(link.FileName(), "");
    EXPECT_EQ(Shown(link), Fields(LinkValues{}));
    EXPECT_EQ(link.ShellFolder(), sfNone);
    EXPECT_EQ(link.WindowState(), wsNormal) << "show command 0";
}

TEST_F(ShellLinkTest, FileNameIsNormalizedAsTheTableSays) {
    struct Row {
        const char* written;
        TShellFolder folder;
        const char* stored;
    };
    for (const Row& row : {
             Row{"C:\\Links\\Editor", sfNone, "C:\\Links\\Editor.lnk"},
             Row{"C:\\Links\\Editor.Lnk", sfNone, "C:\\Links\\Editor.Lnk"},
             Row{"C:\\Links\\Editor.LNK", sfNone, "C:\\Links\\Editor.LNK"},
             Row{"C:\\Docs\\notes.txt", sfNone, "C:\\Docs\\notes.txt.lnk"},
             Row{"C:\\Links\\", sfNone, ""},
             Row{"C:\\Links\\.lnk", sfNone, ""},
             Row{"C:", sfNone, ""},
             Row{"", sfNone, ""},
             Row{"", sfDesktop, ""},
             Row{"D:\\Other\\Editor", sfDesktop, "C:\\WINDOWS\\Desktop\\Editor.lnk"},
             Row{"C:\\dir.v2\\Editor", sfNone, "C:\\dir.v2\\Editor.lnk"},
             Row{"C:\\x\\Editor.l\xEEnk", sfNone, "C:\\x\\Editor.l\xEEnk.lnk"},
         }) {
        TKvShellLink fresh(loader, files, registry);
        fresh.SetFileName("C:\\previous.lnk");
        fresh.SetShellFolder(row.folder);
        fresh.SetFileName(row.written);
        EXPECT_EQ(fresh.FileName(), row.stored) << row.written;
    }
}

TEST_F(ShellLinkTest, WritingTheStoredTextAgainChangesNothingAndLooksNothingUp) {
    link.SetShellFolder(sfDesktop);
    link.SetFileName("Editor");
    ASSERT_EQ(link.FileName(), "C:\\WINDOWS\\Desktop\\Editor.lnk");
    registry.PutString(kFolders, "Desktop", "E:\\Elsewhere");
    const int opens = registry.opens;
    link.SetFileName("C:\\WINDOWS\\Desktop\\Editor.lnk");
    EXPECT_EQ(registry.opens, opens);
    EXPECT_EQ(link.FileName(), "C:\\WINDOWS\\Desktop\\Editor.lnk");
}

TEST_F(ShellLinkTest, ShellFolderMovesTheFileNameBetweenFolders) {
    link.SetFileName("C:\\Links\\Editor");
    link.SetShellFolder(sfDesktop);
    EXPECT_EQ(link.FileName(), "C:\\WINDOWS\\Desktop\\Editor.lnk");
    link.SetShellFolder(sfStartMenu);
    EXPECT_EQ(link.FileName(), "C:\\WINDOWS\\Start Menu\\Editor.lnk");
    EXPECT_EQ(link.ShellFolder(), sfStartMenu);

    const int opens = registry.opens;
    link.SetShellFolder(sfStartMenu);
    EXPECT_EQ(registry.opens, opens) << "the same folder again";
    link.SetShellFolder(sfNone);
    EXPECT_EQ(link.FileName(), "C:\\WINDOWS\\Start Menu\\Editor.lnk");
    EXPECT_EQ(registry.opens, opens);
    EXPECT_EQ(link.ShellFolder(), sfNone);
}

TEST_F(ShellLinkTest, ShellFolderGivesAnEmptyFileNameTheFolderAndABackslash) {
    link.SetShellFolder(sfDesktop);
    EXPECT_EQ(link.FileName(), "C:\\WINDOWS\\Desktop\\");
}

TEST_F(ShellLinkTest, EachLookupOpensTheKeyAfreshReadOnlyAndClosesIt) {
    link.SetShellFolder(sfDesktop);
    link.SetFileName("a");
    link.SetFileName("b");
    EXPECT_EQ(registry.opens, 3);
    EXPECT_EQ(registry.creates, 0);
    EXPECT_EQ(registry.openHandles(), 0);
}

TEST_F(ShellLinkTest, AMissingKeyValueOrTextGivesAnEmptyFolderPath) {
    link.SetShellFolder(sfFavorites); // no such value
    EXPECT_EQ(link.FileName(), "\\");
    link.SetFileName("C:\\x\\Editor");
    EXPECT_EQ(link.FileName(), "\\Editor.lnk");

    registry.Put(kFolders, "Fonts", RegType::Sz, {});
    link.SetShellFolder(sfFonts);
    EXPECT_EQ(link.FileName(), "\\Editor.lnk");

    CountingRegistry bare; // no Shell Folders key at all
    TKvShellLink other(loader, files, bare);
    other.SetShellFolder(sfDesktop);
    other.SetFileName("Editor");
    EXPECT_EQ(other.FileName(), "\\Editor.lnk");
    EXPECT_FALSE(bare.Exists(kFolders)) << "the key is never created";
}

TEST_F(ShellLinkTest, AnExpandableValueIsTakenUnexpanded) {
    registry.Put(kFolders, "Personal", RegType::ExpandSz,
                 {'%', 'U', 'S', 'E', 'R', 'P', 'R', 'O', 'F', 'I', 'L', 'E', '%', 0});
    link.SetShellFolder(sfPersonal);
    link.SetFileName("Notes");
    EXPECT_EQ(link.FileName(), "%USERPROFILE%\\Notes.lnk");
}

TEST_F(ShellLinkTest, AValueThatIsNotTextFailsWithTheRegistryErrorAndKeepsTheFileName) {
    registry.PutDword(kFolders, "Recent", 5);
    link.SetFileName("C:\\Links\\Editor");
    try {
        link.SetShellFolder(sfRecent);
        FAIL() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'Recent'");
    }
    EXPECT_EQ(link.FileName(), "C:\\Links\\Editor.lnk");
    EXPECT_EQ(link.ShellFolder(), sfRecent) << "the folder was stored before the lookup";
    EXPECT_THROW(link.SetFileName("Other"), ERegistryException);
    EXPECT_EQ(link.FileName(), "C:\\Links\\Editor.lnk");
    EXPECT_EQ(registry.openHandles(), 0);
}

TEST_F(ShellLinkTest, AFolderValueOutsideTheEnumerationIsIgnored) {
    link.SetFileName("C:\\Links\\Editor");
    link.SetShellFolder(static_cast<TShellFolder>(11));
    link.SetShellFolder(static_cast<TShellFolder>(255));
    EXPECT_EQ(link.ShellFolder(), sfNone);
    EXPECT_EQ(link.FileName(), "C:\\Links\\Editor.lnk");
    EXPECT_EQ(registry.opens, 0);
}

TEST_F(ShellLinkTest, HotKeyConvertsBetweenTheTwoModifierLayouts) {
    struct Row {
        std::uint16_t stored;
        TShortCut shortCut;
    };
    for (const Row& row :
         {Row{0x0641, 0xC041}, Row{0x0141, 0x2041}, Row{0x0241, 0x4041}, Row{0x0441, 0x8041},
          Row{0x0741, 0xE041}, Row{0x0070, 0x0070}, Row{0x0000, 0x0000}}) {
        link.SetHotKey(row.shortCut);
        EXPECT_EQ(link.LinkHotKey(), row.stored) << std::hex << row.shortCut;
        EXPECT_EQ(link.HotKey(), row.shortCut) << std::hex << row.stored;
    }
}

TEST_F(ShellLinkTest, TheExtendedKeyFlagDoesNotSurviveReading) {
    loader.result.hotKey = 0x0841;
    link.LoadLink("x.lnk");
    EXPECT_EQ(link.HotKey(), 0x0041);
    loader.result.hotKey = 0x0E2E; // Control, Alt, extended, Delete
    link.LoadLink("x.lnk");
    EXPECT_EQ(link.HotKey(), 0xC02E);
}

TEST_F(ShellLinkTest, KeyBitsAboveTheKeyByteNeverTurnIntoModifiers) {
    link.SetHotKey(0x0141); // bit 8 of the key set
    EXPECT_EQ(link.LinkHotKey(), 0x0041);
    link.SetHotKey(0x9F41); // Alt, and key bits 8 to 12
    EXPECT_EQ(link.LinkHotKey(), 0x0441);
    EXPECT_EQ(link.HotKey(), 0x8041);
}

TEST_F(ShellLinkTest, WindowStateIsStoredAsTheShowCommandsOfTheShortcut) {
    for (const auto& [state, show] :
         {std::pair{wsMinimized, 7}, std::pair{wsMaximized, 3}, std::pair{wsNormal, 1}}) {
        link.SetWindowState(state);
        EXPECT_EQ(link.ShowCmd(), show);
        EXPECT_EQ(link.WindowState(), state);
    }
}

TEST_F(ShellLinkTest, EveryOtherShowCommandReadsAsNormal) {
    for (const std::int32_t show : {0, 2, 4, 5, 6, 8, 9, 10, 11, -1, 0x7FFFFFFF}) {
        loader.result.showCmd = show;
        link.LoadLink("x.lnk");
        EXPECT_EQ(link.WindowState(), wsNormal) << show;
    }
}

TEST_F(ShellLinkTest, ReadLinkLoadsTheFileThatFileNameNames) {
    link.SetFileName("C:\\Links\\Editor");
    files.files["C:\\Links\\Editor.lnk"] = {};
    loader.result = Loaded();
    link.ReadLink();
    EXPECT_EQ(loader.paths, std::vector<std::string>{"C:\\Links\\Editor.lnk"});
    ExpectLoaded();
}

TEST_F(ShellLinkTest, ReadLinkOfAMissingFileKeepsTheEarlierValues) {
    loader.result = Loaded();
    link.LoadLink("C:\\first.lnk");
    loader.result = LinkValues{};
    for (const char* name : {"C:\\Links\\Missing", ""}) {
        link.SetFileName(name);
        EXPECT_EQ(MessageOf([&] { link.ReadLink(); }), kMsgLinkNotFound) << name;
        ExpectLoaded();
    }
    EXPECT_EQ(loader.paths.size(), 1u) << "nothing more was loaded";
}

TEST_F(ShellLinkTest, EachLoadFailureRaisesItsMessageAndChangesNothing) {
    loader.result = Loaded();
    link.LoadLink("C:\\first.lnk");
    loader.result = LinkValues{};
    const std::pair<LoadOutcome, const char*> failures[] = {
        {LoadOutcome::CreateFailed, kMsgCreateFailed},
        {LoadOutcome::PersistFileFailed, kMsgPersistFileFailed},
        {LoadOutcome::ReadFailed, kMsgReadFailed},
    };
    for (const auto& [outcome, message] : failures) {
        loader.outcome = outcome;
        EXPECT_EQ(MessageOf([&] { link.LoadLink("C:\\second.lnk"); }), message);
        ExpectLoaded();
    }
}

TEST_F(ShellLinkTest, ASuccessfulLoadReplacesEveryValueEvenWithEmptyOnes) {
    loader.result = Loaded();
    link.LoadLink("C:\\first.lnk");
    loader.result = LinkValues{};
    link.LoadLink("C:\\second.lnk");
    EXPECT_EQ(Shown(link), Fields(LinkValues{}));
}

TEST_F(ShellLinkTest, WritingFileIconCopiesIntoTheOwnedObject) {
    const TFileIcon* owned = &link.FileIcon();
    TFileIcon given;
    given.FileName = "C:\\icons.dll";
    given.IconIndex = -3;
    link.SetFileIcon(given);
    EXPECT_EQ(&link.FileIcon(), owned);
    EXPECT_EQ(link.FileIcon().FileName, "C:\\icons.dll");
    EXPECT_EQ(link.FileIcon().IconIndex, -3);
    given.IconIndex = 9;
    EXPECT_EQ(link.FileIcon().IconIndex, -3) << "a copy, not a reference";
    link.SetFileIcon(link.FileIcon());
    EXPECT_EQ(link.FileIcon().FileName, "C:\\icons.dll");
}

} // namespace
} // namespace corvane::testing
