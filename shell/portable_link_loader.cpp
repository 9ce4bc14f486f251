#include "shell/portable_link_loader.h"

#include "core/text.h"
#include "shell/shllink_format.h"

namespace corvane {

LoadOutcome PortableLinkLoader::Load(const std::string& path, LinkValues& values) {
    // The name goes to the system as a zero-terminated text.
    const std::string name = UpToFirstZero(path);
    if (Utf16Length(name) > kLinkTextMax)
        return LoadOutcome::ReadFailed;
    const std::optional<std::vector<std::uint8_t>> bytes = files_.ReadFile(name, kMaxLinkFileBytes);
    if (!bytes)
        return LoadOutcome::ReadFailed;
    const std::optional<ShellLinkData> data = ParseShellLink(*bytes, codePage_);
    if (!data)
        return LoadOutcome::ReadFailed;

    // Every text comes back through a buffer of 260 characters.
    values.description = CutToUtf16(data->description, kLinkTextMax);
    values.target = CutToUtf16(data->target, kLinkTextMax);
    values.workingDir = CutToUtf16(data->workingDir, kLinkTextMax);
    values.arguments = CutToUtf16(data->arguments, kLinkTextMax);
    values.showCmd = data->showCommand;
    values.hotKey = data->hotKey;
    values.iconFile = CutToUtf16(data->iconFile, kLinkTextMax);
    values.iconIndex = data->iconIndex;
    return LoadOutcome::Loaded;
}

} // namespace corvane
