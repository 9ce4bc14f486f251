#include "tests/fuzz/shllink_check.h"

#include "shell/portable_link_loader.h"
#include "shell/shllink_format.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

namespace corvane::fuzz {
namespace {

struct OneFile : FileSystemApi {
    explicit OneFile(std::span<const std::uint8_t> bytes) : bytes(bytes) {}
    bool IsFile(const std::string& path) override { return path == kName; }
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) override {
        return path != kName
                   ? std::nullopt
                   : std::optional(std::vector<std::uint8_t>(
                         bytes.begin(), bytes.begin() + std::min(maxBytes, bytes.size())));
    }
    static constexpr const char* kName = "C:\\fuzz.lnk";
    std::span<const std::uint8_t> bytes;
};

} // namespace

std::string CheckShortcutBytes(std::span<const std::uint8_t> bytes) {
    const Windows1252 codePage;
    const std::optional<ShellLinkData> data = ParseShellLink(bytes, codePage);
    if (data) {
        // A string's count is 16 bits wide, so the arguments hold at most 65535 characters.
        for (const auto& [field, text, max] : {
                 std::tuple{"description", &data->description, kLinkTextMax},
                 std::tuple{"relative path", &data->relativePath, kLinkTextMax},
                 std::tuple{"working folder", &data->workingDir, kLinkTextMax},
                 std::tuple{"icon file", &data->iconFile, kLinkTextMax},
                 std::tuple{"target", &data->target, kLinkTextMax},
                 std::tuple{"arguments", &data->arguments, std::size_t{0xFFFF}},
             }) {
            if (text->size() > max)
                return std::string(field) + " is longer than " + std::to_string(max);
            if (text->find('\0') != std::string::npos)
                return std::string(field) + " holds a zero";
        }
        const std::optional<ShellLinkData> again = ParseShellLink(bytes, codePage);
        const auto fields = [](const ShellLinkData& d) {
            return std::tie(d.description, d.relativePath, d.workingDir, d.arguments, d.iconFile,
                            d.target, d.showCommand, d.hotKey, d.iconIndex);
        };
        if (!again || fields(*data) != fields(*again))
            return "a second reading differs";
    }
    OneFile files(bytes);
    PortableLinkLoader loader(files, codePage);
    LinkValues values{.description = "untouched"};
    if (loader.Load(OneFile::kName, values) !=
        (data ? LoadOutcome::Loaded : LoadOutcome::ReadFailed))
        return "the loader and the reader disagree";
    if (!data)
        return values.description == "untouched" ? std::string() : "a failed load wrote a value";
    // The loader hands on the reader's values, the arguments cut to the 259 characters that its
    // buffer holds.
    if (std::tie(values.description, values.target, values.workingDir, values.iconFile,
                 values.showCmd, values.hotKey, values.iconIndex) !=
            std::tie(data->description, data->target, data->workingDir, data->iconFile,
                     data->showCommand, data->hotKey, data->iconIndex) ||
        values.arguments != data->arguments.substr(0, kLinkTextMax))
        return "the loader changed a value";
    return {};
}

} // namespace corvane::fuzz
