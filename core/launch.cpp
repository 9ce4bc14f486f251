#include "core/launch.h"

#include "core/environment.h"
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

bool PathFitsShell(std::string_view path) {
    return Utf16Length(Unquoted(path)) <= kShellPathMax;
}

std::string FileToOpen(SystemApi& system, const Entry& entry) {
    return std::string(Unquoted(ExpandVariables(system, entry.path)));
}

bool LaunchEntry(ShellApi& shell, SystemApi& system, WindowRef owner, const Entry& entry,
                 int showCommand) {
    const std::string path = FileToOpen(system, entry);
    // Given no file, the shell would open the current folder.
    if (path.empty())
        return true;
    if (!PathFitsShell(path))
        return false;
    // The parameters go whole: the shell takes them up to the command line's
    // 32767 characters and refuses more, which starts nothing else. The
    // working folder takes at most kShellPathMax units like any path, and
    // a file's folder is shorter than the file's path.
    const std::string folder = FolderPart(path);
    // A cancelled elevation prompt is no failure to report: nobody reads
    // the outcome.
    shell.Execute(owner, entry.runAsAdmin ? "runas" : nullptr, path.c_str(),
                  entry.parameters.c_str(), folder.c_str(), showCommand);
    return true;
}

} // namespace corvane
