#pragma once
// The open-file dialog on GetOpenFileNameA.
#include "ui/open_dialog.h"

#include <windows.h>
#include <commdlg.h>

namespace corvane::win32 {

class Win32FileDialogs : public FileDialogApi {
public:
    using OpenFunction = BOOL(WINAPI*)(OPENFILENAMEA*);

    // open is the dialog to run; another one lets a test see the record.
    explicit Win32FileDialogs(OpenFunction open = &GetOpenFileNameA) : open_(open) {}

    std::optional<OpenFileChoice> ChooseFile(WindowRef owner,
                                             const OpenFileRequest& request) override;

private:
    OpenFunction open_;
};

} // namespace corvane::win32
