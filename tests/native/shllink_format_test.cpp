// The shortcut reader on hand-made files of one shape each (tests/fuzz/seeds) and on the ones the
// shell's object made under Wine (tests/fuzz/corpus). The fuzzer's rules hold here too, for the
// hostile seeds (named after what of seeds/full.lnk they damage) and every cut of the shell-made.
#include "shell/byte_view.h"
#include "shell/portable_link_loader.h"
#include "shell/shllink_format.h"
#include "shell/shllink_parts.h"
#include "shell/std_file_system.h"
#include "tests/fuzz/shllink_check.h"
#include "tests/native/shell_doubles.h"
#include "tests/wine/shortcut_corpus.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <tuple>

namespace corvane::testing {
namespace {

const Windows1252 kCodePage;

// What a file should give; the show command of the hand-made files is 1.
struct Expected {
    std::string description{}, relativePath{}, workingDir{}, arguments{}, iconFile{}, target{};
    std::int32_t showCommand = 1;
    std::uint16_t hotKey = 0;
    std::int32_t iconIndex = 0;
};

auto Fields(const auto& d) {
    return std::make_tuple(d.description, d.relativePath, d.workingDir, d.arguments, d.iconFile,
                           d.target, d.showCommand, d.hotKey, d.iconIndex);
}

// seeds/full.lnk: every part; a LinkInfo with a local base path (Z:\) and a share
// (\\server\share), an ID list to C:\Tools\edit.exe, an environment and an icon environment block.
Expected Full(std::string target) {
    return {"Full shortcut",
            "..\\Tools\\edit.exe",
            "C:\\Tools",
            "-n \"C:\\My Files\\a.txt\"",
            "%TOOLS%\\edit.ico",
            std::move(target),
            3,
            0x0646,
            2};
}

TEST(ShellLinkFiles, ReadAsTheirShapesSay) {
    const std::string share = "\\\\server\\share\\Tools\\edit.exe";
    const std::pair<std::filesystem::path, Expected> rows[] = {
        {kSeeds / "full.lnk", Full("Z:\\Tools\\edit.exe")},
        {kSeeds / "full-ansi.lnk", Full("Z:\\Tools\\edit.exe")},
        {kSeeds / "network-only.lnk", Full(share)},
        {kSeeds / "linkinfo-local-base-offset=0.lnk", Full(share)},
        // A LinkInfo that cannot be read, or that the flags say to ignore:
        // the ID list's path, with the long names.
        {kSeeds / "linkinfo-header-size=0.lnk", Full("C:\\Tools\\edit.exe")},
        {kSeeds / "flags-all.lnk", Full("C:\\Tools\\edit.exe")},
        {kSeeds / "flags-none.lnk", {.showCommand = 3, .hotKey = 0x0646, .iconIndex = 2}},
        // A working folder stated as 1693 characters: 260 of them are read
        // (C:\Tools and zeros), and the arguments follow.
        {kCorpus / "padded-workdir.lnk",
         {"Editor", "", "C:\\Tools", "-n file.txt", "C:\\Tools\\edit.ico", "C:\\Tools\\edit.exe",
          1}},
        // Description, relative path and working folder stated as 1000, 400
        // and 261 characters; arguments and icon location of 300 read whole,
        // so that the environment block after them is found.
        {kSeeds / "long-counts.lnk",
         {std::string(259, 'x'), std::string(259, 'r'), std::string(259, 'w'),
          std::string(300, 'a'), std::string(259, 'i'), "%A%", 1}},
        {kSeeds / "local-unicode.lnk", {.target = "C:\\Caf\xE9.exe"}},
        {kSeeds / "linkinfo-unicode-base-offset=0.lnk", {.target = "C:\\A~1.EXEx"}},
        {kSeeds / "linkinfo-header-only.lnk", {.arguments = "-a"}},
        {kSeeds / "network-share-only.lnk", {.target = "\\\\srv\\pub"}},
        {kSeeds / "network-share-ends-in-backslash.lnk", {.target = "\\\\srv\\pub\\x.txt"}},
        {kSeeds / "network-unicode-name.lnk", {.target = "\\\\srv\\caf\xE9\\x.txt"}},
        // Short names; extension blocks of versions 2 (too old), 3, 7, 8 and
        // 9, and one with another signature; a Unicode short name.
        {kSeeds / "idlist-name-kinds.lnk",
         {.target = "D:\\SHORT\\TWO\\Three\\Seven\\Eight\\BADSIG\\Uni\xE9\\nine.exe"}},
        {kSeeds / "idlist-drive-only.lnk", {.target = "E:\\"}},
        {kSeeds / "idlist-not-my-computer.lnk", {}},
        {kSeeds / "idlist-not-a-file.lnk", {}},
        {kSeeds / "environment-target.lnk", {.target = "%ProgramFiles%\\Caf\xE9\\b.exe"}},
        {kSeeds / "environment-ansi-after-small-block.lnk", {.target = "%TEMP%\\c.exe"}},
        {kSeeds / "environment-blocks-without-flags.lnk", {.iconFile = "C:\\x.ico"}},
    };
    for (const auto& [path, expected] : rows) {
        const std::optional<ShellLinkData> data = ParseShellLink(FileBytes(path), kCodePage);
        ASSERT_TRUE(data) << path.filename();
        EXPECT_EQ(Fields(*data), Fields(expected)) << path.filename();
    }
}

TEST(ShellLinkFiles, EveryCutBeforeTheExtraDataFailsAndEveryLaterCutStillReads) {
    const Bytes sample = FileBytes(kSeeds / "sample.lnk");
    constexpr std::size_t kExtraDataAt = 0x167; // after the working folder
    for (std::size_t length = 0; length < sample.size(); ++length) {
        const std::optional<ShellLinkData> data =
            ParseShellLink(std::span(sample).first(length), kCodePage);
        ASSERT_EQ(data.has_value(), length >= kExtraDataAt) << length;
        if (data) {
            EXPECT_EQ(data->target, "C:\\test\\a.txt") << length;
        }
    }
    Bytes otherClass = sample;
    otherClass[19] ^= 1;
    EXPECT_FALSE(ParseShellLink(otherClass, kCodePage));
}

TEST(ShellLinkFiles, APartMayEndTheFileButNotRunPastIt) {
    Bytes drive = FileBytes(kSeeds / "idlist-drive-only.lnk");
    drive.resize(drive.size() - 4); // no terminal block: the ID list ends the file
    EXPECT_EQ(ParseShellLink(drive, kCodePage).value_or(ShellLinkData{}).target, "E:\\");
    drive[0x4C] = drive[0x4D] = 0xFF; // an ID list past the end, with nothing after it
    EXPECT_FALSE(ParseShellLink(drive, kCodePage));

    // A Unicode offset at the LinkInfo's end points at nothing: the ANSI
    // path counts.
    Bytes local = FileBytes(kSeeds / "local-unicode.lnk");
    local[0x4C + 0x1C] = local[0x4C]; // the LinkInfo's size, under 256
    EXPECT_EQ(ParseShellLink(local, kCodePage).value_or(ShellLinkData{}).target, "C:\\A~1.EXE");
}

// The shell's object also names the target through the ID list.
TEST(ShellMadeShortcuts, ReadAsWindowsGivesThemBackAndTheIdListNamesTheSameTarget) {
    StdFileSystem files;
    PortableLinkLoader reader(files, kCodePage);
    int both = 0;
    for (const CorpusShortcut& s : ShortcutCorpus()) {
        SCOPED_TRACE(s.name);
        const std::filesystem::path path = kCorpus / (s.name + ".lnk");
        LinkValues v;
        ASSERT_EQ(reader.Load(path.string(), v), LoadOutcome::Loaded);
        const LinkValues windows = WindowsValues(s);
        EXPECT_EQ(AllButShowCmd(v), AllButShowCmd(windows));
        EXPECT_EQ(v.showCmd, windows.showCmd);
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
    EXPECT_FALSE(view.Has(kHuge, 1));
    EXPECT_FALSE(view.Has(1, kHuge));
    EXPECT_EQ(view.U32(3), 0x63626100u);
    EXPECT_FALSE(view.U32(4));
    EXPECT_EQ(view.U16(5), 0x6362u);
    EXPECT_FALSE(view.U16(6));
    EXPECT_EQ(view.Sub(5, 3).size(), 0u);
    EXPECT_EQ(view.AnsiZ(0), "x");
    EXPECT_EQ(view.AnsiZ(4), "abc") << "no terminator: up to the end";
    EXPECT_EQ(view.AnsiZ(kHuge), "");
    EXPECT_EQ(view.WideZ(0), u"x");
    EXPECT_EQ(view.WideZ(4), u"\u6261") << "a trailing half unit is dropped";
}

TEST(Windows1252, EachByteHasOneCharacterAndEveryOtherCharacterIsAQuestionMark) {
    std::map<char, char16_t> characterOf;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const std::string ansi = kCodePage.FromUtf16(std::u16string(1, static_cast<char16_t>(c)));
        ASSERT_EQ(ansi.size(), 1u) << int(c);
        if (ansi != "?" || c == u'?') {
            EXPECT_TRUE(characterOf.emplace(ansi[0], c).second)
                << "two characters for " << int(ansi[0]);
        }
    }
    EXPECT_EQ(characterOf.size(), 256u);
    // Some of 1252's characters at 0x80 to 0x9F, and two undefined bytes for C1 controls.
    EXPECT_EQ(kCodePage.FromUtf16(u"\u20AC\u00E9\u2019\u0178\u0081\u009D"),
              "\x80\xE9\x92\x9F\x81\x9D");
    EXPECT_EQ(kCodePage.FromUtf16(u"a\U00010000b"), "a?b") << "one character, two units";
    EXPECT_EQ(kCodePage.FromUtf16(std::u16string{u'a', 0xD800, u'b', 0xDC00}), "a?b?");
}

TEST(PortableLoader, FailsForANameTooLongForTheBufferAndForAFileItCannotRead) {
    MemoryFiles files;
    PortableLinkLoader loader(files, kCodePage);
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

TEST(HostileShortcuts, EverySeedKeepsTheRulesAndSizesPastTheEndFail) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSeeds)) {
        const Bytes bytes = FileBytes(entry.path());
        const std::string name = entry.path().stem().string();
        EXPECT_EQ(fuzz::CheckShortcutBytes(bytes), "") << name;
        ++seeds;
        const auto has = [&](const char* part) {
            return name.find(part) != std::string::npos;
        };
        const std::optional<ShellLinkData> data = ParseShellLink(bytes, kCodePage);
        // Arguments and icon location are read whole: counts from 0x7FFF run past the end.
        if (name.starts_with("header-size=") || name.starts_with("linkinfo-size=") ||
            name == "idlist-size=65535" ||
            ((has("string3-count=") || has("string4-count=")) && (has("=3276") || has("=6553"))))
            EXPECT_FALSE(data) << name;
        // A block of fewer than 8 bytes before the environment blocks ends the extra data.
        if (name.starts_with("extra-block-size=")) {
            ASSERT_TRUE(data) << name;
            EXPECT_EQ(data->iconFile, "C:\\Tools\\edit.exe") << name;
            EXPECT_EQ(data->target, "Z:\\Tools\\edit.exe") << name;
        }
    }
    EXPECT_GT(seeds, 250);
}

TEST(HostileShortcuts, EveryCutOfTheShellMadeOnesKeepsTheRules) {
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        const Bytes bytes = FileBytes(entry.path());
        for (std::size_t length = 0; length <= bytes.size(); length += 7)
            EXPECT_EQ(fuzz::CheckShortcutBytes(std::span(bytes).first(length)), "")
                << entry.path().filename() << " cut at " << length;
    }
}

} // namespace
} // namespace corvane::testing
