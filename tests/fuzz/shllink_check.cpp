#include "tests/fuzz/shllink_check.h"

#include "shell/portable_link_loader.h"
#include "shell/shllink_format.h"

#include <algorithm>
#include <tuple>
#include <optional>
#include <vector>

namespace corvane::fuzz {
namespace {

class OneFile : public FileSystemApi {
public:
    explicit OneFile(std::span<const std::uint8_t> bytes) : bytes_(bytes.begin(), bytes.end()) {}
    bool IsFile(const std::string& path) override { return path == kName; }
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) override {
        if (path != kName)
            return std::nullopt;
        const std::size_t n = std::min(maxBytes, bytes_.size());
        return std::vector<std::uint8_t>(bytes_.begin(), bytes_.begin() + n);
    }
    static constexpr const char* kName = "C:\\fuzz.lnk";

private:
    std::vector<std::uint8_t> bytes_;
};

std::string TextRule(const char* field, const std::string& text, std::size_t max) {
    if (text.size() > max)
        return std::string(field) + " is longer than " + std::to_string(max);
    if (text.find('\0') != std::string::npos)
        return std::string(field) + " holds a zero";
    return {};
}

auto Fields(const ShellLinkData& d) {
    return std::tie(d.description, d.relativePath, d.workingDir, d.arguments, d.iconFile, d.target,
                    d.showCommand, d.hotKey, d.iconIndex);
}

} // namespace

std::string CheckShortcutBytes(std::span<const std::uint8_t> bytes) {
    const Windows1252 codePage;
    const std::optional<ShellLinkData> data = ParseShellLink(bytes, codePage);
    if (data) {
        // A string's count is 16 bits wide, so the arguments hold at most
        // 65535 characters.
        for (const auto& [field, text, max] : {
                 std::tuple{"description", &data->description, kLinkTextMax},
                 std::tuple{"relative path", &data->relativePath, kLinkTextMax},
                 std::tuple{"working folder", &data->workingDir, kLinkTextMax},
                 std::tuple{"icon file", &data->iconFile, kLinkTextMax},
                 std::tuple{"target", &data->target, kLinkTextMax},
                 std::tuple{"arguments", &data->arguments, std::size_t{0xFFFF}},
             }) {
            const std::string broken = TextRule(field, *text, max);
            if (!broken.empty())
                return broken;
        }
        const std::optional<ShellLinkData> again = ParseShellLink(bytes, codePage);
        if (!again || Fields(*data) != Fields(*again))
            return "a second reading differs";
    }

    OneFile files(bytes);
    PortableLinkLoader loader(files, codePage);
    LinkValues values;
    values.description = "untouched";
    const LoadOutcome outcome = loader.Load(OneFile::kName, values);
    if (outcome != (data ? LoadOutcome::Loaded : LoadOutcome::ReadFailed))
        return "the loader and the reader disagree";
    if (!data)
        return values.description == "untouched" ? std::string() : "a failed load wrote a value";
    for (const auto& [field, text] : {
             std::pair{"loaded description", &values.description},
             std::pair{"loaded target", &values.target},
             std::pair{"loaded working folder", &values.workingDir},
             std::pair{"loaded arguments", &values.arguments},
             std::pair{"loaded icon file", &values.iconFile},
         }) {
        const std::string broken = TextRule(field, *text, kLinkTextMax);
        if (!broken.empty())
            return broken;
    }
    if (values.showCmd != data->showCommand || values.hotKey != data->hotKey ||
        values.iconIndex != data->iconIndex || values.target != data->target)
        return "the loader changed a value";
    return {};
}

} // namespace corvane::fuzz
