// Explorer folder tracking and the PathRecall command.
#include "shell/explorer_tracking.h"

#include "core/show_commands.h"
#include "core/text.h"
#include "ui/corvane.h"

namespace corvane {

std::optional<std::string> FolderFromExplorerTitle(std::string_view title) {
    if (title.substr(0, kExploringMarker.size()) != kExploringMarker)
        return std::nullopt;
    if (title.size() <= kExploringPrefixLength)
        return std::string();
    return std::string(title.substr(kExploringPrefixLength));
}

void TForm1::WMExplorerWindow(WindowRef window, std::intptr_t code) {
    if (code == kIgnoredExplorerEvent)
        return;
    // A window that has gone gives an empty title, which changes nothing.
    const std::string title =
        CutTo(UpToFirstZero(env_.system.WindowTitle(window, kWindowTitleMax)), kWindowTitleMax);
    if (std::optional<std::string> folder = FolderFromExplorerTitle(title))
        LastExploreDir = std::move(*folder);
}

void TForm1::PathRecall() {
    // With no folder reported yet Explorer gets the switches alone.
    const std::string params = CutTo(kExplorerParamsPrefix + LastExploreDir, kShellTextMax);
    const std::string file = CutTo(ExplorerPath, kShellTextMax);
    const std::string directory = CutTo(WindowsDir, kShellTextMax);
    env_.shell.Execute(env_.view.Handle(), "open", file.c_str(), params.c_str(), directory.c_str(),
                       kSwShow);
}

} // namespace corvane
