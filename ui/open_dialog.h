#pragma once
// The platform's open-file dialog, and one dialog of the window that
// remembers, from one use to the next, the folder it opens in, the filter
// and the file name chosen last.
#include "core/handles.h"

#include <optional>
#include <string>

namespace corvane {

// What a dialog opens with.
struct OpenFileRequest {
    std::string title;
    // Descriptions and patterns in pairs, separated by '|'.
    std::string filter;
    std::string defaultExtension;
    // The folder it opens in; empty lets the platform choose.
    std::string initialFolder;
    // The name in the name field, without a folder.
    std::string fileName;
    // 1 for the first filter.
    int filterIndex = 1;
    // A chosen shortcut file comes back as itself, not as its target.
    bool keepShortcuts = false;
    // The save dialog: a name that need not exist; an existing file is
    // replaced only when the user agrees.
    bool save = false;
    bool operator==(const OpenFileRequest&) const = default;
};

// What the user chose.
struct OpenFileChoice {
    std::string fileName; // the full name
    int filterIndex = 1;
    bool operator==(const OpenFileChoice&) const = default;
};

class FileDialogApi {
public:
    virtual ~FileDialogApi() = default;
    // Runs the dialog modally over owner. Nothing when the user cancels.
    virtual std::optional<OpenFileChoice> ChooseFile(WindowRef owner,
                                                     const OpenFileRequest& request) = 0;
};

class OpenDialog {
public:
    OpenDialog(const char* title, const char* filter, const char* defaultExtension,
               bool keepShortcuts, bool save = false);

    void SetInitialFolder(const std::string& folder) { request_.initialFolder = folder; }
    // The full name chosen, or nothing when the dialog was cancelled or the
    // name is empty. The filter and name chosen are kept for the next use.
    std::optional<std::string> Run(FileDialogApi& dialogs, WindowRef owner);

private:
    OpenFileRequest request_;
};

} // namespace corvane
