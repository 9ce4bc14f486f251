#pragma once
// What the user starts through the shell: an entry (or, with Shift held, its
// file shown in its folder in Explorer), and the help.
#include "core/entry.h"
#include "core/handles.h"
#include "core/shell_api.h"
#include "core/system_api.h"
#include "shell/explorer_tracking.h"
#include "shell/file_system_api.h"

namespace corvane {

class Starter {
public:
    Starter(ShellApi& shell, SystemApi& system, FileSystemApi& files, ExplorerTracker& explorer)
        : shell_(shell), system_(system), files_(files), explorer_(explorer) {}

    // Starts the entry with the show command, owned by owner. False when its
    // path is longer than the shell opens whole: nothing starts.
    bool Start(WindowRef owner, const Entry& entry, int showCommand);
    // With Shift held, shows the entry's file selected in its folder (nothing
    // for a path Explorer cannot be given: not absolute, or with a double
    // quote) and is true; else starts it as Start does.
    bool StartOrShowInFolder(WindowRef owner, const Entry& entry, int showCommand);
    // A help file of an older install beside the program, which is what its
    // user knows; else the help page that comes with the program, in the
    // user's browser. Throws when that page is missing.
    void OpenHelp(WindowRef owner);

private:
    ShellApi& shell_;
    SystemApi& system_;
    FileSystemApi& files_;
    ExplorerTracker& explorer_;
};

} // namespace corvane
