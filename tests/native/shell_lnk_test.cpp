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
    static auto Shown(const TKvShellLink& l) {
        return std::make_tuple(l.Description(), l.Target(), l.WorkingDir(), l.Arguments(),
                               l.ShowCmd(), l.LinkHotKey(), l.FileIcon().FileName,
                               l.FileIcon().IconIndex);
    }
    static auto Fields(const LinkValues& v) {
        return std::make_tuple(v.description, v.target, v.workingDir, v.arguments, v.showCmd,
                               v.hotKey, v.iconFile, v.iconIndex);
    }

    ScriptedLoader loader;
    MemoryFiles files;
    MemoryRegistry registry;
    TKvShellLink link{loader, files, registry};
};

TEST_F(ShellLinkTest, FileNameIsNormalizedAsTheTableSays) {
    const std::tuple<const char*, TShellFolder, const char*> rows[] = {
        {"C:\\Links\\Editor", sfNone, "C:\\Links\\Editor.lnk"},
        {"C:\\Links\\Editor.Lnk", sfNone, "C:\\Links\\Editor.Lnk"},
        {"C:\\Docs\\notes.txt", sfNone, "C:\\Docs\\notes.txt.lnk"},
        {"C:\\Links\\", sfNone, ""},
        {"C:\\Links\\.lnk", sfNone, ""},
        {"D:\\Other\\Blank", sfTemplates, "C:\\WINDOWS\\ShellNew\\Blank.lnk"},
        {"C:\\dir.v2\\Editor", sfNone, "C:\\dir.v2\\Editor.lnk"},
        {"C:\\x\\Editor", sfFavorites, "\\Editor.lnk"}, // no such value: no folder
    };
    for (const auto& [written, folder, stored] : rows) {
        TKvShellLink fresh(loader, files, registry);
        fresh.SetFileName("C:\\previous.lnk");
        fresh.SetShellFolder(folder);
        fresh.SetFileName(written);
        EXPECT_EQ(fresh.FileName(), stored) << written;
    }
    MemoryRegistry bare; // no Shell Folders key at all, and none is made
    TKvShellLink other(loader, files, bare);
    other.SetShellFolder(sfDesktop);
    other.SetFileName("Editor");
    EXPECT_EQ(other.FileName(), "\\Editor.lnk");
    EXPECT_FALSE(bare.Exists(kFolders));
}

TEST_F(ShellLinkTest, ShellFolderMovesTheFileNameLookingItUpOnlyWhenItChanges) {
    link.SetShellFolder(sfDesktop);
    EXPECT_EQ(link.FileName(), "C:\\WINDOWS\\Desktop\\") << "an empty name";
    link.SetFileName("C:\\Links\\Editor");
    link.SetShellFolder(sfStartMenu);
    EXPECT_EQ(std::make_tuple(link.FileName(), link.ShellFolder(), registry.opens),
              std::make_tuple("C:\\WINDOWS\\Start Menu\\Editor.lnk", sfStartMenu, 3));
    // The same folder, the same name, sfNone, and values outside the enumeration.
    link.SetShellFolder(sfStartMenu);
    link.SetFileName("C:\\WINDOWS\\Start Menu\\Editor.lnk");
    link.SetShellFolder(static_cast<TShellFolder>(11));
    link.SetShellFolder(sfNone);
    link.SetShellFolder(static_cast<TShellFolder>(255));
    EXPECT_EQ(std::make_tuple(link.FileName(), link.ShellFolder(), registry.opens),
              std::make_tuple("C:\\WINDOWS\\Start Menu\\Editor.lnk", sfNone, 3));
    // A value that is not text fails with the registry's error; the name stays.
    registry.PutDword(kFolders, "Recent", 5);
    EXPECT_THROW(link.SetShellFolder(sfRecent), ERegistryException);
    EXPECT_EQ(link.ShellFolder(), sfRecent) << "stored before the lookup";
    EXPECT_THROW(link.SetFileName("Other"), ERegistryException);
    EXPECT_EQ(link.FileName(), "C:\\WINDOWS\\Start Menu\\Editor.lnk");
    EXPECT_EQ(registry.openHandles(), 0);
}

TEST_F(ShellLinkTest, HotKeyAndWindowStateConvertToTheShortcutsStoredForms) {
    // Stored: Shift 0x100, Control 0x200, Alt 0x400 and the extended-key flag 0x800 that HotKey
    // drops; key bits above the key byte never turn into modifiers.
    const std::pair<std::uint16_t, TShortCut> keys[] = {
        {0x0641, 0xC041}, {0x0141, 0x2041}, {0x0241, 0x4041}, {0x0441, 0x8041},
        {0x0741, 0xE041}, {0x0070, 0x0070}, {0x0000, 0x0000}, {0x0E2E, 0xC02E}};
    for (const auto& [stored, shortCut] : keys) {
        loader.result.hotKey = stored;
        link.LoadLink("x.lnk");
        EXPECT_EQ(link.HotKey(), shortCut) << std::hex << stored;
        link.SetHotKey(shortCut);
        EXPECT_EQ(link.LinkHotKey(), stored & 0xF7FF) << std::hex << shortCut;
    }
    link.SetHotKey(0x9F41); // Alt, and key bits 8 to 12
    EXPECT_EQ(link.LinkHotKey(), 0x0441);
    for (auto [state, show] : {std::pair{wsMinimized, 7}, {wsMaximized, 3}, {wsNormal, 1}}) {
        link.SetWindowState(state);
        EXPECT_EQ(std::make_pair(link.ShowCmd(), link.WindowState()), std::make_pair(show, state));
    }
    for (const std::int32_t show : {0, 2, 4, 5, 6, 8, 9, 10, 11, -1, 0x7FFFFFFF}) {
        loader.result.showCmd = show;
        link.LoadLink("x.lnk");
        EXPECT_EQ(link.WindowState(), wsNormal) << show;
    }
}

TEST_F(ShellLinkTest, ReadLinkLoadsTheFileThatFileNameNamesAndAFailureChangesNothing) {
    const LinkValues loaded = {
        "Editor", "C:\\Tools\\edit.exe", "C:\\Tools", "-n", 3, 0x0641, "C:\\Tools\\edit.ico", 2};
    EXPECT_EQ(Shown(link), Fields(LinkValues{}));
    link.SetFileName("C:\\Links\\Editor");
    files.files["C:\\Links\\Editor.lnk"] = {};
    loader.result = loaded;
    link.ReadLink();
    EXPECT_EQ(loader.paths, std::vector<std::string>{"C:\\Links\\Editor.lnk"});
    EXPECT_EQ(Shown(link), Fields(loaded));
    loader.result = LinkValues{};
    for (const char* name : {"C:\\Links\\Missing", ""}) {
        link.SetFileName(name);
        EXPECT_EQ(MessageOf([&] { link.ReadLink(); }), kMsgLinkNotFound) << name;
    }
    EXPECT_EQ(loader.paths.size(), 1u) << "nothing more was loaded";
    for (auto [outcome, message] : {std::pair{LoadOutcome::CreateFailed, kMsgCreateFailed},
                                    {LoadOutcome::PersistFileFailed, kMsgPersistFileFailed},
                                    {LoadOutcome::ReadFailed, kMsgReadFailed}}) {
        loader.outcome = outcome;
        EXPECT_EQ(MessageOf([&] { link.LoadLink("C:\\second.lnk"); }), message);
    }
    EXPECT_EQ(Shown(link), Fields(loaded));
    loader.outcome = LoadOutcome::Loaded;
    link.LoadLink("C:\\third.lnk");
    EXPECT_EQ(Shown(link), Fields(LinkValues{})) << "even empty values replace the earlier ones";
}

} // namespace
} // namespace corvane::testing
