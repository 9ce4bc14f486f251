#include "core/launch.h"

#include "core/text.h"

namespace corvane {
namespace {

// A path wrapped in double quotes, as the shell's "Copy as path" gives it,
// names the file inside them.
std::string_view Unquoted(std::string_view path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        return path.substr(1, path.size() - 2);
    return path;
}

} // namespace

void LaunchEntry(ShellApi& shell, WindowRef owner, const Entry& entry, int showCommand) {
    const std::string_view path = Unquoted(entry.Path);
    // Given no file, the shell would open the current folder.
    if (path.empty())
        return;
    const std::string folder = CutTo(FolderPart(path), kShellTextMax);
    const std::string params = CutTo(entry.Params, kShellTextMax);
    const std::string file = CutTo(path, kShellTextMax);
    shell.Execute(owner, nullptr, file.c_str(), params.c_str(), folder.c_str(), showCommand);
}

} // namespace corvane
