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

// Explorer's own windows: its folder windows, whose title is the folder's
// display name alone ("Documents"), and its explorer windows with the folder
// tree, titled with the marker. Any other program chooses its titles freely (a
// browser shows a web page's), and a folder taken from one would make
// PathRecall open a share of its choosing.
constexpr std::string_view kFolderWindowClass = "CabinetWClass";
constexpr std::string_view kExploreWindowClass = "ExploreWClass";

// A drive path: a letter, a colon and a backslash.
bool IsDrivePath(std::string_view folder) {
    const char letter = folder.empty() ? '\0' : folder[0];
    const bool isLetter = ('A' <= letter && letter <= 'Z') || ('a' <= letter && letter <= 'z');
    return isLetter && folder.substr(1, 2) == ":\\";
}

// A UNC path: two backslashes, a server name, a backslash and a share name.
bool IsUncPath(std::string_view folder) {
    if (folder.substr(0, 2) != "\\\\")
        return false;
    const std::size_t share = folder.find('\\', 2) + 1; // 0 when there is none
    return share > 3 && folder.find_first_not_of('\\', share) == share;
}

// Explorer reads a comma outside double quotes as the start of a switch.
std::string QuotedForExplorer(const std::string& path) {
    return path.find(',') != std::string::npos ? '"' + path + '"' : path;
}

} // namespace

std::optional<std::string> FolderFromExplorerTitle(std::string_view title) {
    if (title.substr(0, kExploringMarker.size()) != kExploringMarker)
        return std::nullopt;
    if (title.size() <= kExploringPrefixLength)
        return std::string();
    // Whatever else follows the marker would reach Explorer's command line:
    // only an absolute folder, which cannot begin with a switch, is taken,
    // and none with a double quote, which would end the quotes around it.
    // Nothing here touches the file system; it runs on every title report.
    return SafeFolder(title.substr(kExploringPrefixLength));
}

std::optional<std::string> SafeFolder(std::string_view folder) {
    if (!(IsDrivePath(folder) || IsUncPath(folder)) || folder.find('"') != std::string_view::npos)
        return std::nullopt;
    return std::string(folder);
}

void ExplorerTracker::Start(WindowRef reportsTo) {
    windowsDir_ = system_.WindowsDirectory(kWindowsDirCapacity);
    explorerPath_ = windowsDir_ + "\\Explorer.exe";
    hook_.Start(reportsTo);
}

void ExplorerTracker::OnWindowReported(WindowRef window, std::intptr_t code) {
    // A window just created may not have its title or its folder yet.
    if (code == kReportWindowCreated)
        return;
    const std::string windowClass = system_.WindowClass(window);
    std::optional<std::string> folder;
    if (windowClass == kFolderWindowClass) {
        // What the shell answers reaches Explorer's command line as a title
        // would: the same rules hold.
        if (const std::optional<std::string> shown = folders_.FolderShownBy(window))
            folder = SafeFolder(*shown);
    } else if (windowClass == kExploreWindowClass) {
        // A window that has gone gives an empty title, which changes nothing.
        const std::string title = CutToUtf16(
            UpToFirstZero(system_.WindowTitle(window, kWindowTitleMax)), kWindowTitleMax);
        folder = FolderFromExplorerTitle(title);
    }
    if (folder)
        lastFolder_ = std::move(*folder);
}

void ExplorerTracker::Recall(WindowRef owner) const {
    // The folder goes whole: a title holds no more than the shell's paths.
    const std::string params = "/n,/e," + QuotedForExplorer(lastFolder_);
    shell_.Execute(owner, "open", explorerPath_.c_str(), params.c_str(), windowsDir_.c_str(),
                   kSwShow);
}

void ExplorerTracker::ShowInFolder(WindowRef owner, std::string_view file) const {
    if (const std::optional<std::string> safe = SafeFolder(file)) {
        const std::string params = "/select," + QuotedForExplorer(*safe);
        shell_.Execute(owner, "open", explorerPath_.c_str(), params.c_str(), windowsDir_.c_str(),
                       kSwShow);
    }
}

} // namespace corvane
