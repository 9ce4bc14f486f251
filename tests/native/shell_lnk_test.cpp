#include "core/registry_accessor.h"
#include "shell/shell_lnk.h"
#include "tests/native/shell_doubles.h"

#include <gtest/gtest.h>

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

    inline static const LinkValues kLoaded = {
        "Editor", "C:\\Tools\\edit.exe", "C:\\Tools", "-n", 3, 0x0641, "C:\\Tools\\edit.ico", 2};

    static auto Shown(const TKvShellLink& l) {
        return std::make_tuple(l.Description(), l.Target(), l.WorkingDir(), l.Arguments(),
                               l.ShowCmd(), l.LinkHotKey(), l.FileIcon().FileName,
                               l.FileIcon().IconIndex);
    }
    static auto Fields(const LinkValues& v) {
        return std::make_tuple(v.description, v.target, v.workingDir, v.arguments, v.showCmd,
                               v.hotKey, v.iconFile, v.iconIndex);
    }
};

TEST_F(ShellLinkTest, FileNameIsNormalizedAsTheTableSays) {
    struct Row {
        const char* written;
        TShellFolder folder;
        const char* stored;
    };
    for (const Row& row : {
             Row{"C:\\Links\\Editor", sfNone, "C:\\Links\\Editor.lnk"},
             Row{"C:\\Links\\Editor.Lnk", sfNone, "C:\\Links\\Editor.Lnk"},
             Row{"C:\\Docs\\notes.txt", sfNone, "C:\\Docs\\notes.txt.lnk"},
             Row{"C:\\Links\\", sfNone, ""},
             Row{"C:\\Links\\.lnk", sfNone, ""},
             Row{"D:\\Other\\Blank", sfTemplates, "C:\\WINDOWS\\ShellNew\\Blank.lnk"},
             Row{"C:\\dir.v2\\Editor", sfNone, "C:\\dir.v2\\Editor.lnk"},
         }) {
        TKvShellLink fresh(loader, files, registry);
        fresh.SetFileName("C:\\previous.lnk");
        fresh.SetShellFolder(row.folder);
        fresh.SetFileName(row.written);
        EXPECT_EQ(fresh.FileName(), row.stored) << row.written;
    }
}

TEST_F(ShellLinkTest, ShellFolderMovesTheFileNameAndEachLookupOpensTheKeyReadOnly) {
    link.SetShellFolder(sfDesktop);
    EXPECT_EQ(link.FileName(), "C:\\WINDOWS\\Desktop\\") << "an empty name";
    link.SetFileName("C:\\Links\\Editor");
    link.SetShellFolder(sfStartMenu);
    EXPECT_EQ(link.FileName(), "C:\\WINDOWS\\Start Menu\\Editor.lnk");
    EXPECT_EQ(link.ShellFolder(), sfStartMenu);
    EXPECT_EQ(registry.opens, 3);

    // The same folder, the same name, sfNone, and values outside the
    // enumeration look nothing up and move nothing.
    link.SetShellFolder(sfStartMenu);
    link.SetFileName("C:\\WINDOWS\\Start Menu\\Editor.lnk");
    link.SetShellFolder(static_cast<TShellFolder>(11));
    link.SetShellFolder(sfNone);
    link.SetShellFolder(static_cast<TShellFolder>(255));
    EXPECT_EQ(link.FileName(), "C:\\WINDOWS\\Start Menu\\Editor.lnk");
    EXPECT_EQ(link.ShellFolder(), sfNone);
    EXPECT_EQ(registry.opens, 3);
    EXPECT_EQ(registry.openHandles(), 0);
}

TEST_F(ShellLinkTest, AMissingKeyOrValueGivesAnEmptyFolderPath) {
    link.SetShellFolder(sfFavorites); // no such value
    link.SetFileName("C:\\x\\Editor");
    EXPECT_EQ(link.FileName(), "\\Editor.lnk");

    CountingRegistry bare; // no Shell Folders key at all
    TKvShellLink other(loader, files, bare);
    other.SetShellFolder(sfDesktop);
    other.SetFileName("Editor");
    EXPECT_EQ(other.FileName(), "\\Editor.lnk");
    EXPECT_FALSE(bare.Exists(kFolders)) << "the key is never created";
}

TEST_F(ShellLinkTest, AValueThatIsNotTextFailsWithTheRegistryErrorAndKeepsTheFileName) {
    registry.PutDword(kFolders, "Recent", 5);
    link.SetFileName("C:\\Links\\Editor");
    EXPECT_THROW(link.SetShellFolder(sfRecent), ERegistryException);
    EXPECT_EQ(link.ShellFolder(), sfRecent) << "the folder was stored before the lookup";
    EXPECT_THROW(link.SetFileName("Other"), ERegistryException);
    EXPECT_EQ(link.FileName(), "C:\\Links\\Editor.lnk");
    EXPECT_EQ(registry.openHandles(), 0);
}

TEST_F(ShellLinkTest, HotKeyConvertsBetweenTheTwoModifierLayouts) {
    // The stored form has Shift 0x100, Control 0x200, Alt 0x400 and the
    // extended-key flag 0x800, which HotKey drops.
    const std::pair<std::uint16_t, TShortCut> rows[] = {
        {0x0641, 0xC041}, {0x0141, 0x2041}, {0x0241, 0x4041}, {0x0441, 0x8041},
        {0x0741, 0xE041}, {0x0070, 0x0070}, {0x0000, 0x0000}};
    for (const auto& [stored, shortCut] : rows) {
        link.SetHotKey(shortCut);
        EXPECT_EQ(link.LinkHotKey(), stored) << std::hex << shortCut;
        EXPECT_EQ(link.HotKey(), shortCut) << std::hex << stored;
    }
    loader.result.hotKey = 0x0E2E; // Control, Alt, extended, Delete
    link.LoadLink("x.lnk");
    EXPECT_EQ(link.HotKey(), 0xC02E);
    // Key bits above the key byte never turn into modifiers.
    link.SetHotKey(0x9F41); // Alt, and key bits 8 to 12
    EXPECT_EQ(link.LinkHotKey(), 0x0441);
}

TEST_F(ShellLinkTest, WindowStateIsStoredAsTheShowCommandsOfTheShortcut) {
    const std::pair<TWindowState, std::int32_t> states[] = {
        {wsMinimized, 7}, {wsMaximized, 3}, {wsNormal, 1}};
    for (const auto& [state, show] : states) {
        link.SetWindowState(state);
        EXPECT_EQ(link.ShowCmd(), show);
        EXPECT_EQ(link.WindowState(), state);
    }
    for (const std::int32_t show : {0, 2, 4, 5, 6, 8, 9, 10, 11, -1, 0x7FFFFFFF}) {
        loader.result.showCmd = show;
        link.LoadLink("x.lnk");
        EXPECT_EQ(link.WindowState(), wsNormal) << show;
    }
}

TEST_F(ShellLinkTest, ReadLinkLoadsTheFileThatFileNameNamesAndAFailureChangesNothing) {
    EXPECT_EQ(Shown(link), Fields(LinkValues{}));
    link.SetFileName("C:\\Links\\Editor");
    files.files["C:\\Links\\Editor.lnk"] = {};
    loader.result = kLoaded;
    link.ReadLink();
    EXPECT_EQ(loader.paths, std::vector<std::string>{"C:\\Links\\Editor.lnk"});
    EXPECT_EQ(Shown(link), Fields(kLoaded));

    loader.result = LinkValues{};
    for (const char* name : {"C:\\Links\\Missing", ""}) {
        link.SetFileName(name);
        EXPECT_EQ(MessageOf([&] { link.ReadLink(); }), kMsgLinkNotFound) << name;
    }
    EXPECT_EQ(loader.paths.size(), 1u) << "nothing more was loaded";
    const std::pair<LoadOutcome, const char*> failures[] = {
        {LoadOutcome::CreateFailed, kMsgCreateFailed},
        {LoadOutcome::PersistFileFailed, kMsgPersistFileFailed},
        {LoadOutcome::ReadFailed, kMsgReadFailed}};
    for (const auto& [outcome, message] : failures) {
        loader.outcome = outcome;
        EXPECT_EQ(MessageOf([&] { link.LoadLink("C:\\second.lnk"); }), message);
    }
    EXPECT_EQ(Shown(link), Fields(kLoaded));
    loader.outcome = LoadOutcome::Loaded;
    link.LoadLink("C:\\third.lnk");
    EXPECT_EQ(Shown(link), Fields(LinkValues{})) << "even empty values replace the earlier ones";
}

} // namespace
} // namespace corvane::testing
