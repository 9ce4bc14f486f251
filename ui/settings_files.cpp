#include "ui/settings_files.h"

#include "core/reg_file.h"
#include "core/store_file.h"
#include "core/text.h"

#include <string>

namespace corvane {

void SettingsFiles::Export(const std::vector<std::uint8_t>& exported) {
    const std::optional<std::string> name = exportDialog_.Run(dialogs_, view_.DialogOwner());
    if (name && !files_.WriteFile(*name, exported))
        view_.ShowMessage("Could not write " + *name, kApplicationTitle);
}

std::optional<StoreContents> SettingsFiles::Import() {
    const std::optional<std::string> name = importDialog_.Run(dialogs_, view_.DialogOwner());
    if (!name)
        return std::nullopt;
    // One byte more than is taken tells a file that is too large.
    const std::optional<std::vector<std::uint8_t>> bytes =
        files_.ReadFile(*name, kRegFileMaxBytes + 1);
    if (!bytes) {
        view_.ShowMessage("Could not read " + *name, kApplicationTitle);
        return std::nullopt;
    }
    StoreImport imported = ImportStore(*bytes);
    if (!imported.contents) {
        view_.ShowMessage("The file cannot be imported. " + imported.refusal + ".",
                          kApplicationTitle);
        return std::nullopt;
    }
    if (!view_.AskYesNo(ImportQuestion(*imported.contents), kApplicationTitle))
        return std::nullopt;
    return std::move(imported.contents);
}

} // namespace corvane
