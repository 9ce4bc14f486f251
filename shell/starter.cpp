#include "shell/starter.h"

#include "core/launch.h"
#include "core/show_commands.h"
#include "core/text.h"

#include <stdexcept>
#include <string>

namespace corvane {
namespace {

// Beside the program: the help file of an older install, and the help page.
constexpr const char* kHelpFile = "Corvane.hlp";
constexpr const char* kHelpPage = "Corvane.html";

} // namespace

bool Starter::Start(WindowRef owner, const Entry& entry, int showCommand) {
    return LaunchEntry(shell_, system_, owner, entry, showCommand);
}

bool Starter::StartOrShowInFolder(WindowRef owner, const Entry& entry, int showCommand) {
    if (!system_.ShiftIsDown())
        return Start(owner, entry, showCommand);
    explorer_.ShowInFolder(owner, FileToOpen(system_, entry));
    return true;
}

void Starter::OpenHelp(WindowRef owner) {
    const std::string folder = FolderPart(system_.ProgramPath());
    if (files_.IsFile(folder + kHelpFile)) {
        shell_.Execute(owner, nullptr, kHelpFile, "", folder.c_str(), kSwShow);
        return;
    }
    const std::string page = folder + kHelpPage;
    if (!files_.IsFile(page))
        throw std::runtime_error("The help page " + page + " is missing");
    shell_.Execute(owner, "open", page.c_str(), "", folder.c_str(), kSwShow);
}

} // namespace corvane
