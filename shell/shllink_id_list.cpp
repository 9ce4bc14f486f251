// The file-system path that an ID list names, for the common case of a list
// that starts at My Computer, goes on to a drive and then through folders and
// files. Anything else names no path here.
#include "shell/shllink_parts.h"

#include "core/utf16.h"

#include <array>
#include <vector>

namespace corvane::shllink {
namespace {

// {20D04FE0-3AEA-1069-A2D8-08002B30309D}, as stored.
constexpr std::array<std::uint8_t, 16> kMyComputer = {
    0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10, 0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};

constexpr std::uint8_t kRootFolderItem = 0x1F;
constexpr std::uint8_t kKindMask = 0x70;
constexpr std::uint8_t kVolumeKind = 0x20;
constexpr std::uint8_t kFileEntryKind = 0x30;
constexpr std::uint8_t kUnicodeNameFlag = 0x04;
constexpr std::uint32_t kFileEntryExtension = 0xBEEF0004;
// In a file entry, after the 2-byte size: type, one byte, file size, date and
// time, attributes; then the name.
constexpr std::size_t kFileEntryNameAt = 14;

// The items of a list, each with its 2-byte size. A size under 2, or one
// that runs past the list, makes the list unreadable; every item moves the
// walk on by at least 2 bytes.
std::optional<std::vector<ByteView>> Items(ByteView list) {
    std::vector<ByteView> items;
    std::size_t pos = 0;
    for (;;) {
        const std::optional<std::uint16_t> size = list.U16(pos);
        if (!size)
            return std::nullopt; // no terminal item
        if (*size == 0)
            return items;
        if (*size < 2 || !list.Has(pos, *size))
            return std::nullopt;
        items.push_back(list.Sub(pos, *size));
        pos += *size;
    }
}

// The long name that Windows keeps in a file entry's extension block; empty
// when there is none. The last two bytes of the item give the offset of the
// block from the item's start.
std::u16string LongName(ByteView item) {
    if (item.size() < kFileEntryNameAt + 2)
        return {};
    const std::uint16_t at = *item.U16(item.size() - 2);
    if (at < kFileEntryNameAt || at >= item.size() - 2)
        return {};
    const std::optional<std::uint16_t> size = item.U16(at);
    if (!size || !item.Has(at, *size))
        return {};
    const ByteView block = item.Sub(at, *size);
    const std::optional<std::uint16_t> version = block.U16(2);
    if (block.U32(4) != kFileEntryExtension || !version || *version < 3)
        return {};
    // Where the name starts grows with the block's version.
    const std::size_t nameAt = *version >= 9 ? 46 : *version == 8 ? 42 : *version == 7 ? 38 : 18;
    // The block ends with the 2-byte offset of the next one.
    if (block.size() < 2)
        return {};
    return block.Sub(0, block.size() - 2).WideZ(nameAt);
}

std::uint8_t TypeOf(ByteView item) {
    return item.size() > 2 ? item.bytes()[2] : 0;
}

std::string FileEntryName(ByteView item, const AnsiCodePage& codePage) {
    const std::u16string longName = LongName(item);
    if (!longName.empty())
        return Utf16ToUtf8(longName);
    if (TypeOf(item) & kUnicodeNameFlag)
        return Utf16ToUtf8(item.WideZ(kFileEntryNameAt));
    return codePage.ToUtf8(item.AnsiZ(kFileEntryNameAt));
}

} // namespace

std::string IdListPath(ByteView list, const AnsiCodePage& codePage) {
    const std::optional<std::vector<ByteView>> items = Items(list);
    if (!items || items->size() < 2)
        return {};
    const ByteView root = (*items)[0];
    if (TypeOf(root) != kRootFolderItem || !root.Equals(4, kMyComputer))
        return {};
    const ByteView volume = (*items)[1];
    if ((TypeOf(volume) & kKindMask) != kVolumeKind)
        return {};
    std::string path = codePage.ToUtf8(volume.AnsiZ(3));
    if (path.empty())
        return {};
    for (std::size_t i = 2; i < items->size(); ++i) {
        const ByteView item = (*items)[i];
        if ((TypeOf(item) & kKindMask) != kFileEntryKind)
            return {};
        const std::string name = FileEntryName(item, codePage);
        if (name.empty())
            return {};
        if (path.back() != '\\')
            path += '\\';
        path += name;
    }
    return path;
}

} // namespace corvane::shllink
