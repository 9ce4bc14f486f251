#include "ui/open_dialog.h"

#include "core/text.h"

namespace corvane {

OpenDialog::OpenDialog(const char* title, const char* filter, const char* defaultExtension,
                       bool keepShortcuts, bool save) {
    request_.save = save;
    request_.title = title;
    request_.filter = filter;
    request_.defaultExtension = defaultExtension;
    request_.keepShortcuts = keepShortcuts;
}

std::optional<std::string> OpenDialog::Run(FileDialogApi& dialogs, WindowRef owner) {
    const std::optional<OpenFileChoice> choice = dialogs.ChooseFile(owner, request_);
    if (!choice || choice->fileName.empty())
        return std::nullopt;
    // Only the name: a folder in the name field would win over the initial
    // folder.
    request_.fileName = FileNamePart(choice->fileName);
    request_.filterIndex = choice->filterIndex;
    return choice->fileName;
}

} // namespace corvane
