// The LinkInfo structure: where the target lives, on a local volume or on a
// network share, with a common path suffix.
#include "shell/shllink_parts.h"

#include "core/utf16.h"

namespace corvane::shllink {
namespace {

constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr std::uint32_t kCommonNetworkRelativeLinkAndPathSuffix = 0x2;
// With a header this long the Unicode offsets follow the ANSI ones.
constexpr std::uint32_t kHeaderWithUnicode = 0x24;

// Text at an ANSI offset, or at a Unicode offset when there is one. An
// offset of 0 points at the structure's own size field and means "none".
std::string TextAt(ByteView from, std::uint32_t ansiOffset, std::uint32_t unicodeOffset,
                   const AnsiCodePage& codePage) {
    if (unicodeOffset != 0 && unicodeOffset < from.size())
        return Utf16ToUtf8(from.WideZ(unicodeOffset));
    if (ansiOffset != 0 && ansiOffset < from.size())
        return codePage.ToUtf8(from.AnsiZ(ansiOffset));
    return {};
}

std::string NetName(ByteView info, std::uint32_t offset, const AnsiCodePage& codePage) {
    const std::optional<std::uint32_t> size = info.U32(offset);
    // The fixed part of a CommonNetworkRelativeLink is 0x14 bytes.
    if (!size || *size < 0x14 || !info.Has(offset, *size))
        return {};
    const ByteView link = info.Sub(offset, *size);
    const std::uint32_t netNameOffset = *link.U32(8);
    // Unicode offsets are there only when the ANSI one leaves room for them.
    const std::uint32_t unicodeOffset = netNameOffset > 0x14 ? link.U32(0x14).value_or(0) : 0;
    return TextAt(link, netNameOffset, unicodeOffset, codePage);
}

std::string JoinNetwork(const std::string& netName, const std::string& suffix) {
    if (suffix.empty() || netName.back() == '\\')
        return netName + suffix;
    return netName + "\\" + suffix;
}

} // namespace

std::string LinkInfoTarget(ByteView info, const AnsiCodePage& codePage) {
    const std::optional<std::uint32_t> headerSize = info.U32(4);
    if (!headerSize || *headerSize < 0x1C || *headerSize > info.size())
        return {};
    const std::uint32_t flags = *info.U32(8);
    const bool withUnicode = *headerSize >= kHeaderWithUnicode;
    const auto field = [&](std::size_t at) {
        return info.U32(at).value_or(0);
    };

    const std::string suffix = TextAt(info, field(0x18), withUnicode ? field(0x20) : 0, codePage);

    // A link that holds both a local base path and a network share leads to
    // the local path, as the shell's object gives it; the share's name counts
    // only when there is no local path.
    if (flags & kVolumeIdAndLocalBasePath) {
        const std::string base = TextAt(info, field(0x10), withUnicode ? field(0x1C) : 0, codePage);
        if (!base.empty())
            return base + suffix;
    }
    if (flags & kCommonNetworkRelativeLinkAndPathSuffix) {
        const std::string netName = NetName(info, field(0x14), codePage);
        if (!netName.empty())
            return JoinNetwork(netName, suffix);
    }
    return {};
}

std::string EnvironmentBlockPath(ByteView block, const AnsiCodePage& codePage) {
    // TargetAnsi: 260 bytes after the block's size and signature; then
    // TargetUnicode: 260 UTF-16 units.
    const std::u16string wide = block.Sub(8 + 260, 520).WideZ(0);
    if (!wide.empty())
        return Utf16ToUtf8(wide);
    return codePage.ToUtf8(block.Sub(8, 260).AnsiZ(0));
}

} // namespace corvane::shllink
