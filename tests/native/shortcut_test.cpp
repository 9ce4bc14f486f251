// Shortcuts: the component that names and reads them, and the reader of the format on the
// hand-made files of tests/fuzz/seeds, one shape each (the hostile ones named after what of
// seeds/full.lnk they damage), and on those the shell's object made (corpus/).
#include "core/registry_accessor.h"
#include "shell/byte_view.h"
#include "shell/portable_link_loader.h"
#include "shell/shell_lnk.h"
#include "shell/shllink_format.h"
#include "shell/shllink_parts.h"
#include "shell/std_file_system.h"
#include "tests/data_rows.h"
#include "tests/fuzz/shllink_check.h"
#include "tests/native/shell_doubles.h"
#include "tests/wine/shortcut_corpus.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
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

const Windows1252 kCodePage;

TEST(ShellLinkFiles, ReadAsTheirShapesSay) {
    for (const DataRow& r : DataRows("shortcut_shapes.tsv")) {
        const std::optional<ShellLinkData> d = ParseShellLink(FileBytes(kFuzz / r[0]), kCodePage);
        ASSERT_TRUE(d) << r[0];
        EXPECT_EQ(std::tie(d->description, d->relativePath, d->workingDir, d->arguments,
                           d->iconFile, d->target),
                  std::tie(r[1], r[2], r[3], r[4], r[5], r[6]))
            << r[0];
        EXPECT_EQ(std::make_tuple(d->showCommand, d->hotKey, d->iconIndex),
                  std::make_tuple(std::stoi(r[7]), std::stoi(r[8], nullptr, 0), std::stoi(r[9])))
            << r[0];
    }
}

TEST(ShellLinkFiles, EveryCutBeforeTheExtraDataFailsAndEveryLaterCutStillReads) {
    const Bytes sample = FileBytes(kFuzz / "seeds/sample.lnk");
    constexpr std::size_t kExtraDataAt = 0x167; // after the working folder
    for (std::size_t length = 0; length < sample.size(); ++length) {
        const auto data = ParseShellLink(std::span(sample).first(length), kCodePage);
        ASSERT_EQ(data.has_value(), length >= kExtraDataAt) << length;
        EXPECT_EQ(data.value_or(ShellLinkData{.target = "C:\\test\\a.txt"}).target,
                  "C:\\test\\a.txt");
    }
    Bytes otherClass = sample;
    otherClass[19] ^= 1;
    EXPECT_FALSE(ParseShellLink(otherClass, kCodePage));
}

TEST(ShellLinkFiles, APartMayEndTheFileButNotRunPastIt) {
    Bytes drive = FileBytes(kFuzz / "seeds/idlist-drive-only.lnk");
    drive.resize(drive.size() - 4); // no terminal block: the ID list ends the file
    EXPECT_EQ(ParseShellLink(drive, kCodePage).value_or(ShellLinkData{}).target, "E:\\");
    drive[0x4C] = drive[0x4D] = 0xFF; // an ID list past the end, with nothing after it
    EXPECT_FALSE(ParseShellLink(drive, kCodePage));
    // A Unicode offset at the LinkInfo's end points at nothing: the ANSI path counts.
    Bytes local = FileBytes(kFuzz / "seeds/local-unicode.lnk");
    local[0x4C + 0x1C] = local[0x4C]; // the LinkInfo's size, under 256
    EXPECT_EQ(ParseShellLink(local, kCodePage).value_or(ShellLinkData{}).target, "C:\\A~1.EXE");
}

// The shell's object also names the target through the ID list.
TEST(ShellMadeShortcuts, ReadAsWindowsGivesThemBackAndTheIdListNamesTheSameTarget) {
    StdFileSystem files;
    PortableLinkLoader reader(files, kCodePage);
    int both = 0;
    for (const CorpusShortcut& s : ShortcutCorpus()) {
        const std::filesystem::path path = kFuzz / "corpus" / (s.name + ".lnk");
        LinkValues v;
        ASSERT_EQ(reader.Load(path.string(), v), LoadOutcome::Loaded) << s.name;
        EXPECT_EQ(AllButShowCmd(v), AllButShowCmd(WindowsValues(s))) << s.name;
        EXPECT_EQ(v.showCmd, WindowsValues(s).showCmd) << s.name;
        const Bytes bytes = FileBytes(path);
        const ByteView file(bytes);
        constexpr std::uint32_t kBoth = shllink::kHasLinkTargetIdList | shllink::kHasLinkInfo;
        if ((*file.U32(0x14) & kBoth) == kBoth) {
            EXPECT_EQ(shllink::IdListPath(file.Sub(0x4E, *file.U16(0x4C)), kCodePage), v.target);
            ++both;
        }
    }
    EXPECT_GT(both, 20);
}

TEST(ByteView, NoReadLeavesTheView) {
    const Bytes bytes = {'x', 0, 0, 0, 'a', 'b', 'c'};
    const ByteView view(bytes);
    constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();
    EXPECT_FALSE(view.Has(kHuge, 1) || view.Has(1, kHuge) || view.U32(4) || view.U16(6));
    EXPECT_EQ(std::make_tuple(*view.U32(3), *view.U16(5), view.Sub(5, 3).size()),
              std::make_tuple(0x63626100u, 0x6362u, 0u));
    EXPECT_EQ(std::make_tuple(view.AnsiZ(0), view.AnsiZ(4), view.AnsiZ(kHuge)),
              std::make_tuple("x", "abc", "")); // no terminator: up to the end
    EXPECT_EQ(std::make_tuple(view.WideZ(0), view.WideZ(4)), std::make_tuple(u"x", u"\u6261"))
        << "a trailing half unit is dropped";
}

TEST(Windows1252, EachByteHasOneCharacterAndEveryOtherCharacterIsAQuestionMark) {
    std::map<char, char16_t> characterOf;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const std::string ansi = kCodePage.FromUtf16(std::u16string(1, static_cast<char16_t>(c)));
        ASSERT_EQ(ansi.size(), 1u) << int(c);
        EXPECT_TRUE((ansi == "?" && c != u'?') || characterOf.emplace(ansi[0], c).second)
            << "two for " << int(ansi[0]);
    }
    EXPECT_EQ(characterOf.size(), 256u);
    // Some of 1252's characters at 0x80 to 0x9F, and two undefined bytes for C1 controls; a
    // character of two units, and lone halves.
    EXPECT_EQ(kCodePage.FromUtf16(u"\u20AC\u00E9\u2019\u0178\u0081\u009Da\U00010000b"),
              "\x80\xE9\x92\x9F\x81\x9D"
              "a?b");
    EXPECT_EQ(kCodePage.FromUtf16(std::u16string{u'a', 0xD800, u'b', 0xDC00}), "a?b?");
}

TEST(PortableLoader, FailsForANameTooLongForTheBufferAndForAFileItCannotRead) {
    MemoryFiles files;
    PortableLinkLoader loader(files, kCodePage);
    const std::string longest = "C:\\" + std::string(252, 'x') + ".lnk"; // 259 characters
    for (const std::string& name : {longest, longest + "x", std::string("a.lnk")})
        files.files[name] = FileBytes(kFuzz / "seeds/header-only.lnk");
    LinkValues v{.description = "kept"};
    EXPECT_EQ(loader.Load(longest + "x", v), LoadOutcome::ReadFailed);
    EXPECT_EQ(loader.Load("missing.lnk", v), LoadOutcome::ReadFailed);
    EXPECT_EQ(v.description, "kept");
    EXPECT_EQ(loader.Load(longest, v), LoadOutcome::Loaded);
    EXPECT_EQ(loader.Load(std::string("a.lnk\0b", 7), v), LoadOutcome::Loaded);
    EXPECT_EQ(files.reads, (std::vector<std::string>{"missing.lnk", longest, "a.lnk"}));
}

// The fuzzer's rules hold for every seed and every cut of the shell-made ones.
TEST(HostileShortcuts, EverySeedKeepsTheRulesAndSizesPastTheEndFail) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kFuzz / "seeds")) {
        const Bytes bytes = FileBytes(entry.path());
        const std::string name = entry.path().stem().string();
        EXPECT_EQ(fuzz::CheckShortcutBytes(bytes), "") << name;
        ++seeds;
        const auto has = [&](const char* part) {
            return name.find(part) != std::string::npos;
        };
        const std::optional<ShellLinkData> data = ParseShellLink(bytes, kCodePage);
        // Arguments and icon location are read whole: counts from 0x7FFF run past the end.
        EXPECT_FALSE(data && (name.starts_with("header-size=") ||
                              name.starts_with("linkinfo-size=") || name == "idlist-size=65535" ||
                              ((has("string3-count=") || has("string4-count=")) &&
                               (has("=3276") || has("=6553")))))
            << name;
        // A block of fewer than 8 bytes before the environment blocks ends the extra data.
        EXPECT_TRUE(!name.starts_with("extra-block-size=") ||
                    (data && data->iconFile == "C:\\Tools\\edit.exe" &&
                     data->target == "Z:\\Tools\\edit.exe"))
            << name;
    }
    EXPECT_GT(seeds, 250);
    for (const auto& entry : std::filesystem::directory_iterator(kFuzz / "corpus")) {
        const Bytes bytes = FileBytes(entry.path());
        for (std::size_t length = 0; length <= bytes.size(); length += 7)
            EXPECT_EQ(fuzz::CheckShortcutBytes(std::span(bytes).first(length)), "")
                << entry.path().filename() << " cut at " << length;
    }
}

} // namespace
} // namespace corvane::testing
