#pragma once
// Builds shortcut files byte by byte for the reader's tests and the fuzzer's
// seeds, and holds the sample file of the format's documentation.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane::testing {

using Bytes = std::vector<std::uint8_t>;

void PutU32(Bytes& out, std::uint32_t value);
void SetU32(Bytes& out, std::size_t at, std::uint32_t value);

class LnkBuilder {
public:
    LnkBuilder& ExtraFlags(std::uint32_t flags) { return Set(extraFlags_, flags); }
    LnkBuilder& Unicode(bool on) { return Set(unicode_, on); }
    LnkBuilder& ShowCommand(std::int32_t value) { return Set(showCommand_, value); }
    LnkBuilder& HotKey(std::uint16_t value) { return Set(hotKey_, value); }
    LnkBuilder& IconIndex(std::int32_t value) { return Set(iconIndex_, value); }
    // The ID list's items, without the list's own size (added on build).
    LnkBuilder& IdList(Bytes items) { return Set(idList_, std::move(items)); }
    // A whole LinkInfo structure, size field included.
    LnkBuilder& LinkInfo(Bytes info) { return Set(linkInfo_, std::move(info)); }
    LnkBuilder& Name(std::u16string text) { return Set(strings_[0], std::move(text)); }
    LnkBuilder& RelativePath(std::u16string text) { return Set(strings_[1], std::move(text)); }
    LnkBuilder& WorkingDir(std::u16string text) { return Set(strings_[2], std::move(text)); }
    LnkBuilder& Arguments(std::u16string text) { return Set(strings_[3], std::move(text)); }
    LnkBuilder& IconLocation(std::u16string text) { return Set(strings_[4], std::move(text)); }
    // A whole extra data block; the terminal block is added on build.
    LnkBuilder& Extra(Bytes block) {
        extra_.push_back(std::move(block));
        return *this;
    }
    LnkBuilder& NoTerminalBlock() { return Set(terminal_, false); }

    Bytes Build() const;

private:
    template <class Field, class Value> LnkBuilder& Set(Field& field, Value value) {
        field = std::move(value);
        return *this;
    }
    std::uint32_t Flags() const;
    std::uint32_t extraFlags_ = 0;
    bool unicode_ = true;
    std::int32_t showCommand_ = 1;
    std::uint16_t hotKey_ = 0;
    std::int32_t iconIndex_ = 0;
    std::optional<Bytes> idList_;
    std::optional<Bytes> linkInfo_;
    std::optional<std::u16string> strings_[5];
    std::vector<Bytes> extra_;
    bool terminal_ = true;
};

// LinkInfo with a local base path (and a common path suffix). With unicode
// set, the header is 0x24 bytes long and Unicode copies follow.
Bytes LocalLinkInfo(const std::string& basePath, const std::string& suffix = "",
                    const std::optional<std::u16string>& unicodeBase = std::nullopt);
// LinkInfo with a network share name, and a local base path when one is
// given.
Bytes NetworkLinkInfo(const std::string& netName, const std::string& suffix,
                      const std::string& localBase = "");

// An environment (0xA0000001) or icon environment (0xA0000007) block.
Bytes EnvironmentBlock(std::uint32_t signature, const std::string& ansi,
                       const std::u16string& wide);

// ID list items: My Computer, a drive, a file entry with an ANSI short name
// and, when longName is set, a version 9 extension block holding it.
Bytes MyComputerItem();
Bytes DriveItem(const std::string& drive);
Bytes FileEntryItem(bool folder, const std::string& shortName,
                    const std::optional<std::u16string>& longName = std::nullopt);
Bytes Concat(std::initializer_list<Bytes> parts);

// The sample of the format's documentation: a shortcut to C:\test\a.txt.
Bytes DocumentationSample();

} // namespace corvane::testing
