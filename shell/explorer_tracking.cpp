#include "shell/explorer_tracking.h"

#include "core/show_commands.h"
#include "core/text.h"

namespace corvane {
namespace {

constexpr std::string_view kExploringMarker = "Exploring -";
// The marker and the blank after it.
constexpr std::size_t kExploringPrefixLength = 12;
// Only this much of a window's title is read.
constexpr unsigned kWindowTitleMax = 260;
// A Windows directory longer than this is not used.
constexpr unsigned kWindowsDirCapacity = 200;

} // namespace

std::optional<std::string> FolderFromExplorerTitle(std::string_view title) {
    if (title.substr(0, kExploringMarker.size()) != kExploringMarker)
        return std::nullopt;
    if (title.size() <= kExploringPrefixLength)
        return std::string();
    return std::string(title.substr(kExploringPrefixLength));
}

void ExplorerTracker::Start() {
    windowsDir_ = system_.WindowsDirectory(kWindowsDirCapacity);
    explorerPath_ = windowsDir_ + "\\Explorer.exe";
}

void ExplorerTracker::OnWindowReported(WindowRef window, std::intptr_t code) {
    // A window just created may not have its title yet.
    if (code == kReportWindowCreated)
        return;
    // A window that has gone gives an empty title, which changes nothing.
    const std::string title =
        CutTo(UpToFirstZero(system_.WindowTitle(window, kWindowTitleMax)), kWindowTitleMax);
    if (std::optional<std::string> folder = FolderFromExplorerTitle(title))
        lastFolder_ = std::move(*folder);
}

void ExplorerTracker::Recall(WindowRef owner) const {
    const std::string params = CutTo("/n,/e," + lastFolder_, kShellTextMax);
    const std::string file = CutTo(explorerPath_, kShellTextMax);
    const std::string directory = CutTo(windowsDir_, kShellTextMax);
    shell_.Execute(owner, "open", file.c_str(), params.c_str(), directory.c_str(), kSwShow);
}

} // namespace corvane
