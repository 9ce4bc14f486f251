// libFuzzer entry for the shortcut reader: any broken rule is a crash.
#include "shell/portable_link_loader.h"
#include "core/text.h"
#include "core/utf16.h"
#include "shell/shllink_format.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace corvane::fuzz {
namespace {

constexpr const char* kName = "C:\\fuzz.lnk";

// A file system of one file, kName, holding the bytes, that takes no writes.
struct OneFile : FileSystemApi {
    std::span<const std::uint8_t> bytes;
    bool IsFile(const std::string& path) override { return path == kName; }
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) override {
        return path != kName
                   ? std::nullopt
                   : std::optional(std::vector(bytes.begin(),
                                               bytes.begin() + std::min(maxBytes, bytes.size())));
    }
    bool WriteFile(const std::string&, const std::vector<std::uint8_t>&) override { return false; }
};

// The first rule that the reader (on its own, and behind the portable loader over a one-file
// file system) breaks for the bytes, or an empty text. Memory faults are the sanitizers' to find.
std::string BrokenRule(std::span<const std::uint8_t> bytes) {
    const Windows1252 codePage;
    const std::optional<ShellLinkData> data = ParseShellLink(bytes, codePage);
    if (data) {
        // A string's count is 16 bits wide, so the arguments hold at most 65535 UTF-16 units.
        for (const auto& [field, text, max] : {
                 std::tuple{"description", &data->description, kLinkTextMax},
                 std::tuple{"relative path", &data->relativePath, kLinkTextMax},
                 std::tuple{"working folder", &data->workingDir, kLinkTextMax},
                 std::tuple{"icon file", &data->iconFile, kLinkTextMax},
                 std::tuple{"target", &data->target, kLinkTextMax},
                 std::tuple{"arguments", &data->arguments, std::size_t{0xFFFF}},
             }) {
            if (Utf16Length(*text) > max)
                return std::string(field) + " is longer than " + std::to_string(max);
            if (Utf16ToUtf8(Utf8ToUtf16(*text)) != *text)
                return std::string(field) + " is no UTF-8";
            if (text->find('\0') != std::string::npos)
                return std::string(field) + " holds a zero";
        }
        if (ParseShellLink(bytes, codePage) != data)
            return "a second reading differs";
    }
    OneFile files;
    files.bytes = bytes;
    const LinkValues untouched{.description = "untouched"};
    LinkValues values = untouched;
    if (PortableLinkLoader(files, codePage).Load(kName, values) !=
        (data ? LoadOutcome::Loaded : LoadOutcome::ReadFailed))
        return "the loader and the reader disagree";
    if (!data)
        return values == untouched ? std::string() : "a failed load wrote a value";
    // The loader hands on the reader's values, the arguments cut to the 259 units that its buffer
    // holds.
    const LinkValues handedOn{data->description, data->target,
                              data->workingDir,  CutToUtf16(data->arguments, kLinkTextMax),
                              data->showCommand, data->hotKey,
                              data->iconFile,    data->iconIndex};
    return values == handedOn ? std::string() : "the loader changed a value";
}

} // namespace
} // namespace corvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken = corvane::fuzz::BrokenRule({data, size});
    if (!broken.empty()) {
        std::fprintf(stderr, "shortcut reader rule broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
