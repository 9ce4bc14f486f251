#include "shell/shllink_format.h"

#include "core/text.h"
#include "shell/link_loader.h"
#include "shell/shllink_parts.h"

#include "core/utf16.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace corvane {

using namespace shllink;

namespace {

// CLSID_ShellLink, {00021401-0000-0000-C000-000000000046}, as stored.
constexpr std::array<std::uint8_t, 16> kShellLinkClsid = {
    0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// Reads the file front to back; a step that does not fit marks it failed.
class Cursor {
public:
    explicit Cursor(ByteView file) : file_(file) {}

    bool failed() const { return failed_; }
    std::size_t pos() const { return pos_; }

    // The ID list: a 16-bit size that does not count itself, then the list.
    ByteView TakeIdList() {
        const std::optional<std::uint16_t> size = file_.U16(pos_);
        if (!size || !file_.Has(pos_ + 2, *size))
            return Fail();
        const ByteView list = file_.Sub(pos_ + 2, *size);
        pos_ += 2 + std::size_t{*size};
        return list;
    }

    // The link information: a 32-bit size that counts itself.
    ByteView TakeLinkInfo() {
        const std::optional<std::uint32_t> size = file_.U32(pos_);
        // The fixed part alone is 0x1C bytes.
        if (!size || *size < 0x1C || !file_.Has(pos_, *size))
            return Fail();
        const ByteView info = file_.Sub(pos_, *size);
        pos_ += *size;
        return info;
    }

    // One StringData entry: a count of characters, then the characters. No
    // more than limit characters are read, and the next entry starts right
    // after them, wherever the count said this one ends.
    std::string TakeString(bool unicode, std::size_t limit, const AnsiCodePage& codePage) {
        const std::optional<std::uint16_t> count = file_.U16(pos_);
        const std::size_t read = count ? std::min<std::size_t>(*count, limit) : 0;
        const std::size_t bytes = read * (unicode ? 2 : 1);
        if (!count || !file_.Has(pos_ + 2, bytes)) {
            Fail();
            return {};
        }
        const ByteView chars = file_.Sub(pos_ + 2, bytes);
        pos_ += 2 + bytes;
        return unicode ? Utf16ToUtf8(chars.WideZ(0)) : codePage.ToUtf8(chars.AnsiZ(0));
    }

private:
    ByteView Fail() {
        failed_ = true;
        return ByteView();
    }

    ByteView file_;
    std::size_t pos_ = kHeaderSize;
    bool failed_ = false;
};

struct ExtraPaths {
    std::string environmentTarget;
    std::string iconPath;
};

// The extra data blocks up to the terminal block. A block that is cut short
// or too small to hold its signature ends the walk; each block read moves
// the walk on by at least 8 bytes.
ExtraPaths ReadExtraData(ByteView file, std::size_t pos, const AnsiCodePage& codePage) {
    ExtraPaths paths;
    for (;;) {
        const std::optional<std::uint32_t> size = file.U32(pos);
        if (!size || *size < 8 || !file.Has(pos, *size))
            break;
        const ByteView block = file.Sub(pos, *size);
        const std::uint32_t signature = *block.U32(4);
        if (*size >= kEnvironmentBlockSize) {
            if (signature == kEnvironmentBlock)
                paths.environmentTarget = EnvironmentBlockPath(block, codePage);
            else if (signature == kIconEnvironmentBlock)
                paths.iconPath = EnvironmentBlockPath(block, codePage);
        }
        pos += *size;
    }
    return paths;
}

} // namespace

std::optional<ShellLinkData> ParseShellLink(std::span<const std::uint8_t> bytes,
                                            const AnsiCodePage& codePage) {
    const ByteView file(bytes);
    if (file.U32(0) != kHeaderSize || !file.Has(0, kHeaderSize) || !file.Equals(4, kShellLinkClsid))
        return std::nullopt;

    const std::uint32_t flags = *file.U32(0x14);
    ShellLinkData data;
    data.iconIndex = static_cast<std::int32_t>(*file.U32(0x38));
    data.showCommand = static_cast<std::int32_t>(*file.U32(0x3C));
    data.hotKey = *file.U16(0x40);

    Cursor cursor(file);
    std::string idListPath;
    std::string linkInfoPath;
    if (flags & kHasLinkTargetIdList) {
        const ByteView list = cursor.TakeIdList();
        if (cursor.failed())
            return std::nullopt;
        idListPath = IdListPath(list, codePage);
    }
    if (flags & kHasLinkInfo) {
        const ByteView info = cursor.TakeLinkInfo();
        if (cursor.failed())
            return std::nullopt;
        if (!(flags & kForceNoLinkInfo))
            linkInfoPath = LinkInfoTarget(info, codePage);
    }

    const bool unicode = (flags & kIsUnicode) != 0;
    std::string iconLocation;
    // Like the shell's object, the description, relative path and working
    // folder are read into 260-character buffers: a longer one is read no
    // further, and the next string follows those 260 characters. The
    // arguments and the icon location are read whole.
    constexpr std::size_t kWhole = 0xFFFF;
    const std::tuple<std::uint32_t, std::size_t, std::string*> strings[] = {
        {kHasName, kLinkTextBuffer, &data.description},
        {kHasRelativePath, kLinkTextBuffer, &data.relativePath},
        {kHasWorkingDir, kLinkTextBuffer, &data.workingDir},
        {kHasArguments, kWhole, &data.arguments},
        {kHasIconLocation, kWhole, &iconLocation},
    };
    for (const auto& [flag, limit, field] : strings) {
        if (!(flags & flag))
            continue;
        *field = cursor.TakeString(unicode, limit, codePage);
        if (cursor.failed())
            return std::nullopt;
    }

    const ExtraPaths extra = ReadExtraData(file, cursor.pos(), codePage);

    if (!linkInfoPath.empty())
        data.target = linkInfoPath;
    else if (!idListPath.empty())
        data.target = idListPath;
    else if (flags & kHasExpString)
        data.target = extra.environmentTarget;
    data.target = CutToUtf16(data.target, kLinkTextMax);

    data.iconFile =
        (flags & kHasExpIcon) && !extra.iconPath.empty() ? extra.iconPath : iconLocation;
    data.iconFile = CutToUtf16(data.iconFile, kLinkTextMax);
    data.description = CutToUtf16(data.description, kLinkTextMax);
    data.relativePath = CutToUtf16(data.relativePath, kLinkTextMax);
    data.workingDir = CutToUtf16(data.workingDir, kLinkTextMax);
    return data;
}

} // namespace corvane
