#pragma once
// Following the folder last shown in an Explorer window, and reopening
// Explorer there. The hook library reports windows with WM_EXPLORERWINDOW.
// A folder window ("CabinetWClass") is asked of the shell for its folder; an
// explorer window with the folder tree ("ExploreWClass") names its folder in
// its title, after the marker.
#include "core/handles.h"
#include "core/shell_api.h"
#include "core/system_api.h"
#include "shell/explorer_report.h"
#include "shell/shown_folder_api.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The folder an Explorer window's title names, or nothing when the title is
// not an Explorer title. Only a title that begins with "Exploring - " counts;
// a window whose title merely mentions it ("Mail - Exploring - notes") says
// nothing about where the user is exploring. The folder is empty (Explorer's
// own default view) or an absolute path, "C:\..." or "\\server\share...",
// without a double quote; any other title names nothing.
std::optional<std::string> FolderFromExplorerTitle(std::string_view title);

// The folder when it may reach Explorer's command line: an absolute path,
// "C:\..." or "\\server\share...", without a double quote (which would end
// the quotes around it); else nothing.
std::optional<std::string> SafeFolder(std::string_view folder);

class ExplorerTracker {
public:
    ExplorerTracker(SystemApi& system, ShellApi& shell, ShownFolderApi& folders, HookLibrary& hook)
        : system_(system), shell_(shell), folders_(folders), hook_(hook) {}

    // Finds Explorer in the Windows directory, and has the hook library
    // report windows to reportsTo.
    void Start(WindowRef reportsTo);
    // No more reports.
    void Stop() { hook_.Stop(); }
    // A window report: remembers the folder that one of Explorer's windows
    // shows. The shell is asked at most once per report; a folder it cannot
    // name (a virtual one) changes nothing.
    void OnWindowReported(WindowRef window, std::intptr_t code);
    // Opens a new Explorer window on the folder explored last, in double
    // quotes when it holds a comma; with none reported yet Explorer gets its
    // switches alone.
    void Recall(WindowRef owner) const;
    // Opens a new Explorer window on the folder of file with the file
    // selected, by PathRecall's rules: nothing for a file that SafeFolder
    // refuses, double quotes around one that holds a comma.
    void ShowInFolder(WindowRef owner, std::string_view file) const;

    const std::string& ExplorerPath() const { return explorerPath_; }

private:
    SystemApi& system_;
    ShellApi& shell_;
    ShownFolderApi& folders_;
    HookLibrary& hook_;
    std::string windowsDir_;
    std::string explorerPath_;
    std::string lastFolder_;
};

} // namespace corvane
