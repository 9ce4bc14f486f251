#pragma once
// The "Options" page's Export and Import: the settings written to, and read
// from, a registry file the user names.
#include "core/settings_store.h"
#include "shell/file_system_api.h"
#include "ui/form_view.h"
#include "ui/open_dialog.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane {

inline constexpr const char* kRegFilter = "Registration Files (*.reg)|*.reg|All Files (*.*)|*.*";

class SettingsFiles {
public:
    SettingsFiles(FormView& view, FileDialogApi& dialogs, FileSystemApi& files)
        : view_(view), dialogs_(dialogs), files_(files) {}

    // Asks for a file name and writes the exported settings there; a file
    // that cannot be written is told.
    void Export(const std::vector<std::uint8_t>& exported);
    // Asks for a file and reads the settings in it; what cannot be read or
    // taken is told. Nothing unless the user, told what the file holds,
    // answers Yes.
    std::optional<StoreContents> Import();

private:
    FormView& view_;
    FileDialogApi& dialogs_;
    FileSystemApi& files_;
    OpenDialog exportDialog_{"Export Settings", kRegFilter, "reg", false, true};
    OpenDialog importDialog_{"Import Settings", kRegFilter, "reg", false};
};

} // namespace corvane
