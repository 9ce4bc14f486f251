#include "core/launch.h"

#include "core/text.h"

namespace corvane {

void LaunchEntry(ShellApi& shell, WindowRef owner, const Entry& entry, int showCommand) {
    // Given no file, the shell would open the current folder.
    if (entry.Path.empty())
        return;
    const std::string folder = CutTo(FolderPart(entry.Path), kShellTextMax);
    const std::string params = CutTo(entry.Params, kShellTextMax);
    const std::string file = CutTo(entry.Path, kShellTextMax);
    shell.Execute(owner, nullptr, file.c_str(), params.c_str(), folder.c_str(), showCommand);
}

} // namespace corvane
