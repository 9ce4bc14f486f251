#pragma once
// The open-file dialog on GetOpenFileNameW and the save dialog on
// GetSaveFileNameW, from comdlg32.dll loaded when the first dialog opens.
#include "core/win32/system_library.h"
#include "ui/open_dialog.h"

#include <windows.h>
#include <commdlg.h>

namespace corvane::win32 {

class Win32FileDialogs : public FileDialogApi {
public:
    using OpenFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

    // open is the dialog to run, the system's when none is given; another one
    // lets a test see the record.
    explicit Win32FileDialogs(OpenFunction open = nullptr) : open_(open) {}

    std::optional<OpenFileChoice> ChooseFile(WindowRef owner,
                                             const OpenFileRequest& request) override;

private:
    OpenFunction open_;
    SystemLibrary library_{L"comdlg32.dll"};
};

} // namespace corvane::win32
