#include "shell/byte_view.h"
#include "shell/shllink_format.h"
#include "shell/shllink_parts.h"
#include "tests/native/lnk_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace corvane::testing {
namespace {

const Windows1252 kCodePage;

std::optional<ShellLinkData> Parse(const Bytes& file) {
    return ParseShellLink(file, kCodePage);
}

ShellLinkData MustParse(const Bytes& file) {
    const std::optional<ShellLinkData> data = Parse(file);
    if (!data)
        ADD_FAILURE() << "the file did not parse";
    return data.value_or(ShellLinkData{});
}

std::string TargetOf(const LnkBuilder& builder) {
    return MustParse(builder.Build()).target;
}

constexpr std::size_t kSampleStringsEnd = 0x167; // where the sample's extra data starts

TEST(DocumentationSample, ReadsAsAShortcutToCTestATxt) {
    const ShellLinkData data = MustParse(DocumentationSample());
    EXPECT_EQ(data.target, "C:\\test\\a.txt");
    EXPECT_EQ(data.relativePath, ".\\a.txt");
    EXPECT_EQ(data.workingDir, "C:\\test");
    EXPECT_EQ(data.description, "");
    EXPECT_EQ(data.arguments, "");
    EXPECT_EQ(data.iconFile, "");
    EXPECT_EQ(data.showCommand, 1);
    EXPECT_EQ(data.hotKey, 0);
    EXPECT_EQ(data.iconIndex, 0);
}

TEST(DocumentationSample, ItsIdListNamesTheSamePathThroughTheLongNames) {
    const Bytes sample = DocumentationSample();
    const ByteView list = ByteView(sample).Sub(0x4E, 0xBD);
    EXPECT_EQ(shllink::IdListPath(list, kCodePage), "C:\\test\\a.txt");
}

TEST(DocumentationSample, EveryCutBeforeTheExtraDataFailsAndEveryLaterCutStillReads) {
    const Bytes sample = DocumentationSample();
    for (std::size_t length = 0; length < sample.size(); ++length) {
        const Bytes cut(sample.begin(), sample.begin() + static_cast<std::ptrdiff_t>(length));
        const std::optional<ShellLinkData> data = Parse(cut);
        if (length < kSampleStringsEnd) {
            EXPECT_FALSE(data) << length;
        } else {
            ASSERT_TRUE(data) << length;
            EXPECT_EQ(data->target, "C:\\test\\a.txt") << length;
            EXPECT_EQ(data->workingDir, "C:\\test") << length;
        }
    }
}

TEST(Header, AnythingButA0x4CByteHeaderWithTheShellLinkClassIsNoShortcut) {
    const Bytes good = LnkBuilder().Build();
    EXPECT_TRUE(Parse(good));
    Bytes size = good;
    size[0] = 0x4D;
    Bytes clsid = good;
    clsid[4 + 15] = 0x47;
    EXPECT_FALSE(Parse(size));
    EXPECT_FALSE(Parse(clsid));
    EXPECT_FALSE(Parse(Bytes(good.begin(), good.begin() + 0x4B)));
    EXPECT_FALSE(Parse(Bytes()));
}

TEST(Header, ShowCommandHotKeyAndIconIndexComeAsStored) {
    for (const std::int32_t show : {0, 1, 2, 3, 7, -1}) {
        const ShellLinkData data =
            MustParse(LnkBuilder().ShowCommand(show).HotKey(0x0E41).IconIndex(-17).Build());
        EXPECT_EQ(data.showCommand, show);
        EXPECT_EQ(data.hotKey, 0x0E41);
        EXPECT_EQ(data.iconIndex, -17);
    }
}

TEST(Header, AFileOfTheHeaderAloneHasNothingElse) {
    Bytes file = LnkBuilder().NoTerminalBlock().Build();
    ASSERT_EQ(file.size(), 0x4Cu);
    const ShellLinkData data = MustParse(file);
    EXPECT_EQ(data.target, "");
    EXPECT_EQ(data.description, "");
}

TEST(StringData, UnicodeTextIsTurnedIntoTheAnsiCodePageAndAnsiTextKeptAsItIs) {
    const ShellLinkData wide = MustParse(LnkBuilder()
                                             .Name(u"Caf\u00E9 \u20AC")
                                             .WorkingDir(u"C:\\D\u00E9p\u00F4t")
                                             .Arguments(u"-x \u0100")
                                             .IconLocation(u"C:\\i.ico")
                                             .Build());
    EXPECT_EQ(wide.description, "Caf\xE9 \x80");
    EXPECT_EQ(wide.workingDir, "C:\\D\xE9p\xF4t");
    EXPECT_EQ(wide.arguments, "-x ?") << "a character outside the code page";
    EXPECT_EQ(wide.iconFile, "C:\\i.ico");

    const ShellLinkData ansi = MustParse(
        LnkBuilder().Unicode(false).Name(u"Caf\u00E9 \x80").RelativePath(u"..\\a.exe").Build());
    EXPECT_EQ(ansi.description, "Caf\xE9 \x80");
    EXPECT_EQ(ansi.relativePath, "..\\a.exe");
}

TEST(StringData, TextEndsAtItsFirstZeroAsWhenItsCountIncludesATerminator) {
    const ShellLinkData data = MustParse(LnkBuilder()
                                             .Name(std::u16string(u"abc\0def", 7))
                                             .Arguments(std::u16string(u"-v\0", 3))
                                             .Build());
    EXPECT_EQ(data.description, "abc");
    EXPECT_EQ(data.arguments, "-v");
}

TEST(StringData, LongTextIsCutTo259CharactersExceptTheArguments) {
    for (const std::size_t length : {258u, 259u, 260u}) {
        const std::u16string text(length, u'x');
        for (const bool unicode : {true, false}) {
            const ShellLinkData data = MustParse(LnkBuilder()
                                                     .Unicode(unicode)
                                                     .Name(text)
                                                     .RelativePath(text)
                                                     .WorkingDir(text)
                                                     .Arguments(text)
                                                     .IconLocation(text)
                                                     .Build());
            const std::size_t cut = std::min<std::size_t>(length, 259);
            EXPECT_EQ(data.description.size(), cut) << length;
            EXPECT_EQ(data.relativePath.size(), cut) << length;
            EXPECT_EQ(data.workingDir.size(), cut) << length;
            EXPECT_EQ(data.iconFile.size(), cut) << length;
            EXPECT_EQ(data.arguments.size(), length) << length;
        }
    }
}

TEST(StringData, OfALongerDescriptionRelativePathOrFolder260AreReadAndTheNextStringFollows) {
    // Each of the three stated as 1000 characters, of which only 260 are there.
    for (const int which : {0, 1, 2}) {
        const std::u16string text(260, u'x');
        LnkBuilder builder;
        builder.Arguments(u"-n").IconLocation(std::u16string(300, u'i'));
        which == 0   ? builder.Name(text)
        : which == 1 ? builder.RelativePath(text)
                     : builder.WorkingDir(text);
        Bytes file = builder.Build();
        file[0x4C] = 0xE8; // 1000
        file[0x4D] = 0x03;
        const ShellLinkData data = MustParse(file);
        EXPECT_EQ(data.description + data.relativePath + data.workingDir, std::string(259, 'x'));
        EXPECT_EQ(data.arguments, "-n") << which;
        EXPECT_EQ(data.iconFile, std::string(259, 'i'));
        file.resize(0x4C + 2 + 519);
        EXPECT_FALSE(Parse(file)) << "cut inside the 260 characters";
    }
    // The arguments and the icon location are read whole.
    const Bytes env = EnvironmentBlock(shllink::kEnvironmentBlock, "%A%", u"");
    const ShellLinkData whole = MustParse(LnkBuilder()
                                              .ExtraFlags(shllink::kHasExpString)
                                              .Arguments(std::u16string(1000, u'a'))
                                              .IconLocation(std::u16string(1000, u'i'))
                                              .Extra(env)
                                              .Build());
    EXPECT_EQ(whole.arguments, std::string(1000, 'a'));
    EXPECT_EQ(whole.target, "%A%");
}

TEST(StringData, HandMadeFilesOfShapesFoundInRealShortcuts) {
    const auto read = [](const char* name) {
        std::ifstream in(std::filesystem::path(CORVANE_SHORTCUT_CORPUS) / name, std::ios::binary);
        return MustParse(Bytes(std::istreambuf_iterator<char>(in), {}));
    };
    // A LinkInfo with both a local base path and a network share.
    const ShellLinkData both = read("local-and-share.lnk");
    EXPECT_EQ(both.target, "C:\\Shared\\tools\\edit.exe");
    EXPECT_EQ(both.arguments, "-n");
    // A working folder stated as 1693 characters, padded with zeros to 260.
    const ShellLinkData padded = read("padded-workdir.lnk");
    EXPECT_EQ(padded.description, "Editor");
    EXPECT_EQ(padded.workingDir, "C:\\Tools");
    EXPECT_EQ(padded.arguments, "-n file.txt");
    EXPECT_EQ(padded.iconFile, "C:\\Tools\\edit.ico");
}

TEST(StringData, ACountThatRunsPastTheEndFailsAndACountOfZeroIsEmpty) {
    Bytes file = LnkBuilder().Name(u"abcd").NoTerminalBlock().Build();
    file.pop_back(); // the last character is cut in half
    EXPECT_FALSE(Parse(file));

    const ShellLinkData empty = MustParse(LnkBuilder().Name(u"").WorkingDir(u"C:\\").Build());
    EXPECT_EQ(empty.description, "");
    EXPECT_EQ(empty.workingDir, "C:\\");
    // Counts of 0x7FFF and more: the hostile seeds (shllink_hostile_test.cpp).
}

TEST(LinkInfo, TheLocalBasePathAndTheCommonSuffixMakeTheTarget) {
    EXPECT_EQ(TargetOf(LnkBuilder().LinkInfo(LocalLinkInfo("C:\\Tools\\edit.exe"))),
              "C:\\Tools\\edit.exe");
    EXPECT_EQ(TargetOf(LnkBuilder().LinkInfo(LocalLinkInfo("Z:\\", "docs\\a.txt"))),
              "Z:\\docs\\a.txt");
}

TEST(LinkInfo, UnicodePathsAreTakenWhenTheHeaderHasRoomForThem) {
    const Bytes info = LocalLinkInfo("C:\\CAFE~1.EXE", "", u"C:\\Caf\u00E9.exe");
    EXPECT_EQ(TargetOf(LnkBuilder().LinkInfo(info)), "C:\\Caf\xE9.exe");
}

TEST(LinkInfo, TheLocalBasePathComesFirstAndTheNetworkNameWithoutOne) {
    const auto network = [](const std::string& name, const std::string& suffix,
                            const std::string& local) {
        return TargetOf(LnkBuilder().LinkInfo(NetworkLinkInfo(name, suffix, local)));
    };
    EXPECT_EQ(network("\\\\server\\share", "tools\\edit.exe", "Z:\\"), "Z:\\tools\\edit.exe");
    EXPECT_EQ(network("\\\\srv\\pub", "", ""), "\\\\srv\\pub");
    EXPECT_EQ(network("\\\\srv\\pub\\", "x.txt", ""), "\\\\srv\\pub\\x.txt");
    EXPECT_EQ(network("\\\\srv\\pub", "x.txt", ""), "\\\\srv\\pub\\x.txt");
}

TEST(LinkInfo, OffsetsOutsideTheStructureGiveNoPathButTheFileStillReads) {
    for (const std::uint32_t offset : {0u, 1u, 3u, 0x3Cu, 0x1000u, 0xFFFFFFFFu}) {
        Bytes info = LocalLinkInfo("C:\\a.exe");
        SetU32(info, 0x10, offset);
        const std::optional<ShellLinkData> data =
            Parse(LnkBuilder().LinkInfo(info).WorkingDir(u"C:\\w").Build());
        ASSERT_TRUE(data) << offset;
        EXPECT_EQ(data->workingDir, "C:\\w");
        if (offset >= info.size() || offset == 0) {
            EXPECT_EQ(data->target, "") << offset;
        }
    }
}

TEST(LinkInfo, IsSkippedButIgnoredWhenTheFlagsSaySo) {
    const ShellLinkData data = MustParse(
        LnkBuilder()
            .ExtraFlags(shllink::kForceNoLinkInfo)
            .IdList(Concat({MyComputerItem(), DriveItem("D:\\"), FileEntryItem(false, "B.EXE")}))
            .LinkInfo(LocalLinkInfo("C:\\a.exe"))
            .Arguments(u"-q")
            .Build());
    EXPECT_EQ(data.target, "D:\\B.EXE");
    EXPECT_EQ(data.arguments, "-q");
}

TEST(IdList, AListThroughMyComputerGivesTheTargetWhenThereIsNoLinkInfo) {
    const Bytes items = Concat({MyComputerItem(), DriveItem("D:\\"),
                                FileEntryItem(true, "PROGRA~1", u"Program Files"),
                                FileEntryItem(false, "EDITOR.EXE")});
    EXPECT_EQ(TargetOf(LnkBuilder().IdList(items)), "D:\\Program Files\\EDITOR.EXE");
}

TEST(IdList, OtherListsNameNoPath) {
    Bytes otherRoot = MyComputerItem();
    otherRoot[4] ^= 1;
    EXPECT_EQ(TargetOf(LnkBuilder().IdList(Concat({otherRoot, DriveItem("C:\\")}))), "");
    EXPECT_EQ(TargetOf(LnkBuilder().IdList(MyComputerItem())), "");
    EXPECT_EQ(TargetOf(LnkBuilder().IdList({})), "");
}

TEST(IdList, ASizePastTheEndFailsAndBadItemsOnlyLoseThePath) {
    Bytes file = LnkBuilder().IdList(Concat({MyComputerItem(), DriveItem("C:\\")})).Build();
    file[0x4C] = 0xFF;
    file[0x4D] = 0xFF;
    EXPECT_FALSE(Parse(file));

    for (const std::uint16_t itemSize : {1, 3, 0x7FFF}) {
        Bytes item = DriveItem("C:\\");
        item[0] = static_cast<std::uint8_t>(itemSize);
        item[1] = static_cast<std::uint8_t>(itemSize >> 8);
        const std::optional<ShellLinkData> data =
            Parse(LnkBuilder().IdList(Concat({MyComputerItem(), item})).Arguments(u"a").Build());
        ASSERT_TRUE(data) << itemSize;
        EXPECT_EQ(data->target, "") << itemSize;
        EXPECT_EQ(data->arguments, "a");
    }
}

TEST(ExtraData, TheEnvironmentPathIsTheTargetOnlyWithoutABetterOne) {
    const Bytes env = EnvironmentBlock(shllink::kEnvironmentBlock, "%WINDIR%\\a.exe",
                                       u"%ProgramFiles%\\Caf\u00E9\\b.exe");
    const LnkBuilder flagged = LnkBuilder().ExtraFlags(shllink::kHasExpString);
    EXPECT_EQ(TargetOf(LnkBuilder(flagged).Extra(env)), "%ProgramFiles%\\Caf\xE9\\b.exe");
    EXPECT_EQ(TargetOf(LnkBuilder(flagged).Extra(
                  EnvironmentBlock(shllink::kEnvironmentBlock, "%TEMP%\\c.exe", u""))),
              "%TEMP%\\c.exe");
    EXPECT_EQ(
        TargetOf(
            LnkBuilder(flagged).LinkInfo(LocalLinkInfo("C:\\Program Files\\b.exe")).Extra(env)),
        "C:\\Program Files\\b.exe");
    EXPECT_EQ(TargetOf(LnkBuilder().Extra(env)), "") << "without its flag";
}

TEST(ExtraData, TheIconEnvironmentPathReplacesTheIconLocationWhenFlagged) {
    const Bytes icon = EnvironmentBlock(shllink::kIconEnvironmentBlock, "",
                                        u"%SystemRoot%\\system32\\shell32.dll");
    EXPECT_EQ(MustParse(LnkBuilder()
                            .ExtraFlags(shllink::kHasExpIcon)
                            .IconLocation(u"C:\\WINDOWS\\system32\\shell32.dll")
                            .Extra(icon)
                            .Build())
                  .iconFile,
              "%SystemRoot%\\system32\\shell32.dll");
    EXPECT_EQ(MustParse(LnkBuilder().IconLocation(u"C:\\x.ico").Extra(icon).Build()).iconFile,
              "C:\\x.ico");
}

TEST(ExtraData, ABlockTooSmallOrCutShortEndsTheWalkWithoutFailingTheFile) {
    const Bytes env = EnvironmentBlock(shllink::kEnvironmentBlock, "%A%", u"");
    for (const std::uint32_t size : {4u, 5u, 7u, 0x1000u, 0xFFFFFFFFu}) {
        Bytes damaged;
        PutU32(damaged, size);
        PutU32(damaged, 0xA0000003);
        const std::optional<ShellLinkData> data = Parse(
            LnkBuilder().ExtraFlags(shllink::kHasExpString).Extra(damaged).Extra(env).Build());
        ASSERT_TRUE(data) << size;
        EXPECT_EQ(data->target, "") << size;
    }
    // A block too small for its paths is skipped, not read.
    Bytes shortEnv = EnvironmentBlock(shllink::kEnvironmentBlock, "%SHORT%", u"");
    shortEnv.resize(0x313);
    SetU32(shortEnv, 0, 0x313);
    EXPECT_EQ(TargetOf(LnkBuilder().ExtraFlags(shllink::kHasExpString).Extra(env).Extra(shortEnv)),
              "%A%");
}

TEST(Windows1252, EveryByteSurvivesTheWayThroughUtf16) {
    const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int b = 1; b < 256; ++b) {
        const char16_t c = (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : static_cast<char16_t>(b);
        EXPECT_EQ(kCodePage.FromUtf16(std::u16string(1, c)), std::string(1, static_cast<char>(b)))
            << b;
    }
    EXPECT_EQ(kCodePage.FromUtf16(u"\u0100\u4E2D"), "??");
    EXPECT_EQ(kCodePage.FromUtf16(u"a\U0001F600b"), "a?b") << "one character, two units";
    EXPECT_EQ(kCodePage.FromUtf16(std::u16string{u'a', 0xD800, u'b', 0xDC00}), "a?b?");
}

TEST(ByteView, NoReadLeavesTheView) {
    const Bytes bytes = {1, 2, 3, 'a', 'b'};
    const ByteView view(bytes);
    constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();
    EXPECT_FALSE(view.Has(kHuge, 1));
    EXPECT_FALSE(view.Has(1, kHuge));
    EXPECT_FALSE(view.U32(2));
    EXPECT_EQ(view.U32(1), 0x62610302u);
    EXPECT_EQ(view.Sub(4, 2).size(), 0u);
    EXPECT_EQ(view.AnsiZ(3), "ab") << "no terminator: up to the end";
    EXPECT_EQ(view.WideZ(2), u"\u6103") << "a trailing half unit is dropped";
    EXPECT_EQ(view.AnsiZ(kHuge), "");
}

} // namespace
} // namespace corvane::testing
