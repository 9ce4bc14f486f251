#include "tests/native/lnk_builder.h"

#include <stdexcept>

namespace corvane::testing {

namespace {

void PutU16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Text as 8-bit bytes (each unit below 256) or as UTF-16LE, no terminator.
Bytes Ansi(const std::u16string& text) {
    Bytes out;
    for (char16_t c : text) {
        if (c > 0xFF)
            throw std::invalid_argument("not an 8-bit text");
        out.push_back(static_cast<std::uint8_t>(c));
    }
    return out;
}

Bytes Wide(const std::u16string& text) {
    Bytes out;
    for (char16_t c : text)
        PutU16(out, c);
    return out;
}

Bytes AnsiZ(const std::string& text) {
    Bytes out(text.begin(), text.end());
    out.push_back(0);
    return out;
}

void Append(Bytes& out, const Bytes& more) {
    out.insert(out.end(), more.begin(), more.end());
}

constexpr std::uint8_t kShellLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                              0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

} // namespace

void PutU32(Bytes& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void SetU32(Bytes& out, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        out.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t LnkBuilder::Flags() const {
    std::uint32_t flags = extraFlags_;
    if (idList_)
        flags |= 0x01;
    if (linkInfo_)
        flags |= 0x02;
    for (int i = 0; i < 5; ++i)
        if (strings_[i])
            flags |= 0x04u << i;
    if (unicode_)
        flags |= 0x80;
    return flags;
}

Bytes LnkBuilder::Build() const {
    Bytes out;
    PutU32(out, 0x4C);
    out.insert(out.end(), std::begin(kShellLinkClsid), std::end(kShellLinkClsid));
    PutU32(out, Flags());
    PutU32(out, 0x20);                 // file attributes: archive
    out.resize(out.size() + 3 * 8, 0); // three file times
    PutU32(out, 0);                    // file size
    PutU32(out, static_cast<std::uint32_t>(iconIndex_));
    PutU32(out, static_cast<std::uint32_t>(showCommand_));
    PutU16(out, hotKey_);
    out.resize(out.size() + 10, 0); // reserved
    if (idList_) {
        PutU16(out, static_cast<std::uint16_t>(idList_->size() + 2));
        Append(out, *idList_);
        PutU16(out, 0);
    }
    if (linkInfo_)
        Append(out, *linkInfo_);
    for (const auto& text : strings_) {
        if (!text)
            continue;
        PutU16(out, static_cast<std::uint16_t>(text->size()));
        Append(out, unicode_ ? Wide(*text) : Ansi(*text));
    }
    for (const Bytes& block : extra_)
        Append(out, block);
    if (terminal_)
        PutU32(out, 0);
    return out;
}

namespace {

Bytes U32s(std::initializer_list<std::uint32_t> values) {
    Bytes out;
    for (const std::uint32_t value : values)
        PutU32(out, value);
    return out;
}

std::uint32_t Size(const Bytes& bytes) {
    return static_cast<std::uint32_t>(bytes.size());
}

// A VolumeID of a drive type and serial number, with an empty label.
Bytes VolumeId(std::uint32_t driveType, std::uint32_t serial) {
    Bytes volume = U32s({0x11, driveType, serial, 0x10});
    volume.push_back(0);
    return volume;
}

} // namespace

Bytes LocalLinkInfo(const std::string& basePath, const std::string& suffix,
                    const std::optional<std::u16string>& unicodeBase) {
    const std::uint32_t headerSize = unicodeBase ? 0x24 : 0x1C;
    const Bytes volume = VolumeId(3, 0x307A8A81); // a fixed drive
    const Bytes base = AnsiZ(basePath);
    const Bytes tail = AnsiZ(suffix);
    Bytes wideBase, wideTail;
    if (unicodeBase) {
        wideBase = Wide(*unicodeBase + u'\0');
        wideTail = Wide(std::u16string(suffix.begin(), suffix.end()) + u'\0');
    }
    const std::uint32_t baseAt = headerSize + Size(volume);
    const std::uint32_t tailAt = baseAt + Size(base);
    const std::uint32_t wideBaseAt = tailAt + Size(tail);
    const std::uint32_t wideTailAt = wideBaseAt + Size(wideBase);
    // Flags 1: VolumeIDAndLocalBasePath; no network part.
    Bytes info = U32s({wideTailAt + Size(wideTail), headerSize, 1, headerSize, baseAt, 0, tailAt});
    if (unicodeBase)
        Append(info, U32s({wideBaseAt, wideTailAt}));
    return Concat({info, volume, base, tail, wideBase, wideTail});
}

Bytes NetworkLinkInfo(const std::string& netName, const std::string& suffix,
                      const std::string& localBase) {
    const Bytes name = AnsiZ(netName);
    // ValidNetType, the name right after the header, no device, WNNC_NET_LANMAN.
    const Bytes network = Concat({U32s({0x14 + Size(name), 0x2, 0x14, 0, 0x20000}), name});
    const bool local = !localBase.empty();
    const Bytes volume = local ? VolumeId(4, 0x12345678) : Bytes(); // a remote drive
    const Bytes base = local ? AnsiZ(localBase) : Bytes();
    const Bytes tail = AnsiZ(suffix);
    const std::uint32_t networkAt = 0x1C + Size(volume) + Size(base);
    const std::uint32_t tailAt = networkAt + Size(network);
    const Bytes info = U32s({tailAt + Size(tail), 0x1C, local ? 3u : 2u, local ? 0x1Cu : 0u,
                             local ? 0x1C + Size(volume) : 0u, networkAt, tailAt});
    return Concat({info, volume, base, network, tail});
}

Bytes EnvironmentBlock(std::uint32_t signature, const std::string& ansi,
                       const std::u16string& wide) {
    Bytes block;
    PutU32(block, 0x314);
    PutU32(block, signature);
    Bytes ansiPart(ansi.begin(), ansi.end());
    ansiPart.resize(260, 0);
    Bytes widePart = Wide(wide);
    widePart.resize(520, 0);
    Append(block, ansiPart);
    Append(block, widePart);
    return block;
}

Bytes MyComputerItem() {
    return {0x14, 0x00, 0x1F, 0x50, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A,
            0x69, 0x10, 0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
}

Bytes DriveItem(const std::string& drive) {
    Bytes item = {0x19, 0x00, 0x2F};
    item.insert(item.end(), drive.begin(), drive.end());
    item.resize(0x19, 0);
    return item;
}

Bytes FileEntryItem(bool folder, const std::string& shortName,
                    const std::optional<std::u16string>& longName) {
    Bytes item = {0, 0, static_cast<std::uint8_t>(folder ? 0x31 : 0x32), 0};
    PutU32(item, 0);          // file size
    PutU32(item, 0xA369392C); // date and time
    PutU16(item, folder ? 0x10 : 0x20);
    Append(item, AnsiZ(shortName));
    if (item.size() % 2)
        item.push_back(0);
    if (longName) {
        const std::size_t at = item.size();
        Bytes block;
        PutU16(block, 0); // size, set below
        PutU16(block, 9); // version
        PutU32(block, 0xBEEF0004);
        block.resize(46, 0); // dates, file reference and the rest up to the name
        Append(block, Wide(*longName));
        PutU16(block, 0);
        PutU16(block, static_cast<std::uint16_t>(at));
        block[0] = static_cast<std::uint8_t>(block.size());
        block[1] = static_cast<std::uint8_t>(block.size() >> 8);
        Append(item, block);
    }
    item[0] = static_cast<std::uint8_t>(item.size());
    item[1] = static_cast<std::uint8_t>(item.size() >> 8);
    return item;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts)
        Append(out, part);
    return out;
}

Bytes DocumentationSample() {
    // clang-format off
    const char* hex =
        "4C0000000114020000000000C0000000" // 0000
        "000000469B00080020000000D0E9EEF2" // 0010
        "1515C901D0E9EEF21515C901D0E9EEF2" // 0020
        "1515C901000000000000000001000000" // 0030
        "000000000000000000000000BD001400" // 0040
        "1F50E04FD020EA3A6910A2D808002B30" // 0050
        "309D19002F433A5C0000000000000000" // 0060
        "00000000000000000000004600310000" // 0070
        "0000002C3969A3100074657374000032" // 0080
        "0007000400EFBE2C3965A32C3969A326" // 0090
        "000000031E00000000F51E0000000000" // 00A0
        "00000000007400650073007400000014" // 00B0
        "0048003200000000002C3969A3200061" // 00C0
        "2E74787400340007000400EFBE2C3969" // 00D0
        "A32C3969A3260000002D6E0000000096" // 00E0
        "010000000000000000000061002E0074" // 00F0
        "00780074000000140000003C0000001C" // 0100
        "000000010000001C0000002D00000000" // 0110
        "0000003B000000110000000300000081" // 0120
        "8A7A301000000000433A5C746573745C" // 0130
        "612E747874000007002E005C0061002E" // 0140
        "00740078007400070043003A005C0074" // 0150
        "0065007300740060000000030000A058" // 0160
        "0000000000000063687269732D787073" // 0170
        "000000000000004078C79447FAC746B3" // 0180
        "565C2DC6B6D115EC46CD7B227FDD1194" // 0190
        "9900137216874A4078C79447FAC746B3" // 01A0
        "565C2DC6B6D115EC46CD7B227FDD1194" // 01B0
        "9900137216874A00000000"; // 01C0
    // clang-format on
    Bytes out;
    for (const char* p = hex; *p; p += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoi(std::string(p, 2), nullptr, 16)));
    return out;
}

} // namespace corvane::testing
