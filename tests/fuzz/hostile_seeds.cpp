#include "tests/fuzz/hostile_seeds.h"

#include <algorithm>
#include <cstdint>

namespace corvane::fuzz {

using testing::Bytes;
using namespace testing;

namespace {

std::uint32_t GetU32(const Bytes& in, std::size_t at) {
    return static_cast<std::uint32_t>(in.at(at) | (in.at(at + 1) << 8) | (in.at(at + 2) << 16) |
                                      (static_cast<std::uint32_t>(in.at(at + 3)) << 24));
}

std::uint16_t GetU16(const Bytes& in, std::size_t at) {
    return static_cast<std::uint16_t>(in.at(at) | (in.at(at + 1) << 8));
}

void SetU16(Bytes& out, std::size_t at, std::uint16_t value) {
    out.at(at) = static_cast<std::uint8_t>(value);
    out.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

constexpr std::uint32_t kHasExpString = 0x200;
constexpr std::uint32_t kHasExpIcon = 0x4000;

// The parts of the full shortcut, kept apart so that their places are known.
struct Parts {
    Bytes items;    // ID list items
    Bytes linkInfo; // whole LinkInfo
    bool unicode = true;
    std::u16string strings[5] = {u"Full shortcut", u"..\\Tools\\edit.exe", u"C:\\Tools",
                                 u"-n \"C:\\My Files\\a.txt\"", u"C:\\Tools\\edit.exe"};
    Bytes extra;

    LnkBuilder Builder() const {
        LnkBuilder b;
        b.ExtraFlags(kHasExpString | kHasExpIcon)
            .Unicode(unicode)
            .ShowCommand(3)
            .HotKey(0x0646)
            .IconIndex(2)
            .IdList(items)
            .LinkInfo(linkInfo)
            .Name(strings[0])
            .RelativePath(strings[1])
            .WorkingDir(strings[2])
            .Arguments(strings[3])
            .IconLocation(strings[4])
            .Extra(extra);
        return b;
    }

    std::size_t IdListAt() const { return 0x4C; }
    std::size_t LinkInfoAt() const { return IdListAt() + 2 + items.size() + 2; }
    std::size_t StringAt(int index) const {
        std::size_t at = LinkInfoAt() + linkInfo.size();
        for (int i = 0; i < index; ++i)
            at += 2 + strings[i].size() * (unicode ? 2 : 1);
        return at;
    }
    std::size_t ExtraAt() const { return StringAt(5); }
};

Parts FullParts() {
    Parts p;
    p.items = Concat({MyComputerItem(), DriveItem("C:\\"), FileEntryItem(true, "TOOLS", u"Tools"),
                      FileEntryItem(false, "EDIT.EXE", u"edit.exe")});
    p.linkInfo = NetworkLinkInfo("\\\\server\\share", "Tools\\edit.exe", "Z:\\");
    p.extra = Concat({EnvironmentBlock(0xA0000001, "%TOOLS%\\edit.exe", u"%TOOLS%\\edit.exe"),
                      EnvironmentBlock(0xA0000007, "%TOOLS%\\edit.ico", u"")});
    return p;
}

} // namespace

std::vector<Seed> HostileSeeds() {
    std::vector<Seed> seeds;
    const auto add = [&](std::string name, Bytes bytes) {
        seeds.push_back({std::move(name), std::move(bytes)});
    };

    const Parts parts = FullParts();
    const Bytes full = parts.Builder().Build();
    add("full", full);
    {
        Parts ansi = parts;
        ansi.unicode = false;
        add("full-ansi", ansi.Builder().Build());
    }
    add("local-unicode",
        LnkBuilder().LinkInfo(LocalLinkInfo("C:\\A~1.EXE", "", u"C:\\Caf\u00E9.exe")).Build());
    add("sample", DocumentationSample());

    const auto past = static_cast<std::uint32_t>(full.size() + 1);
    const std::uint32_t hostile32[] = {0, 1, 3, past, 0xFFFFFFFF, 0x7FFFFFFF, 0x80000000};
    const std::uint16_t hostile16[] = {0, 1, 3, static_cast<std::uint16_t>(past), 0xFFFF};

    const auto each32 = [&](const std::string& what, const Bytes& base, std::size_t at) {
        for (const std::uint32_t value : hostile32) {
            Bytes b = base;
            SetU32(b, at, value);
            add(what + "=" + std::to_string(value), b);
        }
    };
    const auto each16 = [&](const std::string& what, const Bytes& base, std::size_t at) {
        for (const std::uint16_t value : hostile16) {
            Bytes b = base;
            SetU16(b, at, value);
            add(what + "=" + std::to_string(value), b);
        }
    };

    // Header.
    each32("header-size", full, 0);
    {
        Bytes allFlags = full;
        SetU32(allFlags, 0x14, 0xFFFFFFFF);
        add("flags-all", allFlags);
        Bytes noFlags = full;
        SetU32(noFlags, 0x14, 0);
        add("flags-none", noFlags);
    }

    // ID list: its size, each item's size, the long names' extension blocks.
    each16("idlist-size", full, parts.IdListAt());
    {
        std::size_t at = parts.IdListAt() + 2;
        for (int item = 0; at < parts.LinkInfoAt() - 2; ++item) {
            const std::uint16_t size = GetU16(full, at);
            each16("idlist-item" + std::to_string(item) + "-size", full, at);
            if (item >= 2) {
                each16("idlist-item" + std::to_string(item) + "-extension-offset", full,
                       at + size - 2);
                const std::size_t extensionAt = at + GetU16(full, at + size - 2);
                each16("idlist-item" + std::to_string(item) + "-extension-size", full, extensionAt);
                each16("idlist-item" + std::to_string(item) + "-extension-version", full,
                       extensionAt + 2);
            }
            at += size;
        }
        // No terminal item: the list's size stops short of it.
        Bytes noTerminal = full;
        SetU16(noTerminal, parts.IdListAt(), static_cast<std::uint16_t>(parts.items.size()));
        add("idlist-no-terminal", noTerminal);
    }

    // LinkInfo: every size and offset of its header, and of the network part.
    const std::size_t info = parts.LinkInfoAt();
    const char* infoFields[] = {"size",          "header-size",       "flags",
                                "volume-offset", "local-base-offset", "network-offset",
                                "suffix-offset"};
    for (std::size_t i = 0; i < std::size(infoFields); ++i)
        each32(std::string("linkinfo-") + infoFields[i], full, info + 4 * i);
    {
        const std::size_t network = info + GetU32(full, info + 0x14);
        each32("network-size", full, network);
        each32("network-name-offset", full, network + 8);
        each32("network-device-offset", full, network + 12);

        // No terminators: every zero byte of the LinkInfo after its header
        // becomes a letter.
        Bytes unterminated = full;
        const std::size_t infoSize = parts.linkInfo.size();
        std::replace(unterminated.begin() + static_cast<std::ptrdiff_t>(info + 0x1C),
                     unterminated.begin() + static_cast<std::ptrdiff_t>(info + infoSize),
                     std::uint8_t{0}, std::uint8_t{'A'});
        add("linkinfo-no-terminators", unterminated);

        const Bytes localUnicode =
            LnkBuilder()
                .LinkInfo(LocalLinkInfo("C:\\A~1.EXE", "x", u"C:\\A long name.exe"))
                .Build();
        each32("linkinfo-unicode-base-offset", localUnicode, 0x4C + 0x1C);
        each32("linkinfo-unicode-suffix-offset", localUnicode, 0x4C + 0x20);
        Bytes wideUnterminated = localUnicode;
        std::fill(wideUnterminated.end() - 12, wideUnterminated.end() - 4, 'B');
        add("linkinfo-unicode-no-terminator", wideUnterminated);
    }

    // String counts, in Unicode and in ANSI.
    for (const bool unicode : {true, false}) {
        Parts p = parts;
        p.unicode = unicode;
        const Bytes base = p.Builder().Build();
        for (int s = 0; s < 5; ++s)
            for (const std::uint16_t count : {0x0000, 0x0001, 0x7FFF, 0x8000, 0xFFFE, 0xFFFF}) {
                Bytes b = base;
                SetU16(b, p.StringAt(s), count);
                add(std::string(unicode ? "wide" : "ansi") + "-string" + std::to_string(s) +
                        "-count=" + std::to_string(count),
                    b);
            }
    }

    // Extra data: blocks of size 0 to 7 before the environment blocks, the
    // environment block's own size, texts without their zero.
    for (std::uint32_t size = 0; size < 8; ++size) {
        Bytes block;
        PutU32(block, size);
        PutU32(block, 0xA0000003);
        Bytes b = full;
        b.insert(b.begin() + static_cast<std::ptrdiff_t>(parts.ExtraAt()), block.begin(),
                 block.end());
        add("extra-block-size=" + std::to_string(size), b);
    }
    each32("extra-environment-size", full, parts.ExtraAt());
    for (const std::uint32_t size : {0x313u, 0x315u}) {
        Bytes b = full;
        SetU32(b, parts.ExtraAt(), size);
        add("extra-environment-size=" + std::to_string(size), b);
    }
    {
        Bytes b = full;
        const auto env = b.begin() + static_cast<std::ptrdiff_t>(parts.ExtraAt());
        std::fill(env + 8, env + 0x314, 'C'); // neither path has its zero
        add("extra-environment-no-terminators", b);
        Bytes noTerminal = full;
        noTerminal.resize(noTerminal.size() - 4);
        add("extra-no-terminal-block", noTerminal);
        Bytes halfTerminal = full;
        halfTerminal.resize(halfTerminal.size() - 2);
        add("extra-half-terminal-block", halfTerminal);
    }

    // The full file cut at, and one byte either side of, each part's edge.
    const std::size_t edges[] = {0,
                                 4,
                                 0x14,
                                 0x4C,
                                 parts.IdListAt() + 2,
                                 parts.LinkInfoAt(),
                                 parts.StringAt(0),
                                 parts.StringAt(2),
                                 parts.StringAt(4),
                                 parts.ExtraAt(),
                                 parts.ExtraAt() + 0x314,
                                 full.size() - 4};
    for (const std::size_t edge : edges)
        for (const std::size_t at : {edge - 1, edge, edge + 1})
            if (at <= full.size())
                add("cut-at-" + std::to_string(at), Bytes(full.begin(), full.begin() + at));
    return seeds;
}

} // namespace corvane::fuzz
