// The launcher's export and import of its settings as a registry file. An
// import changes the table as the editor's buttons do: the store gets it with
// the next save, so a user who ends without saving keeps the store as it was.
#include "app/launcher.h"
#include "core/reg_file.h"

namespace corvane {

void Launcher::OnExport() {
    const std::optional<std::string> name =
        exportDialog_.Run(env_.dialogs, env_.view.DialogOwner());
    if (name && !env_.files.WriteFile(*name, ExportStore(options_, hotKey_, table_)))
        env_.view.ShowMessage("Could not write " + *name, kApplicationTitle);
}

void Launcher::OnImport() {
    if (TellEntriesReadOnly())
        return;
    const std::optional<std::string> name =
        importDialog_.Run(env_.dialogs, env_.view.DialogOwner());
    if (!name)
        return;
    // One byte more than is taken tells a file that is too large.
    const std::optional<std::vector<std::uint8_t>> bytes =
        env_.files.ReadFile(*name, kRegFileMaxBytes + 1);
    if (!bytes) {
        env_.view.ShowMessage("Could not read " + *name, kApplicationTitle);
        return;
    }
    const StoreImport imported = ImportStore(*bytes);
    if (!imported.contents) {
        env_.view.ShowMessage("The file cannot be imported. " + imported.refusal + ".",
                              kApplicationTitle);
        return;
    }
    if (env_.view.AskYesNo(ImportQuestion(*imported.contents), kApplicationTitle))
        ReplaceTable(*imported.contents);
}

void Launcher::ReplaceTable(const StoreContents& contents) {
    FormView& view = env_.view;
    for (int slot = table_.Count() - 1; slot >= 0; --slot) {
        view.DeleteListRow(slot);
        table_.Delete(slot);
    }
    tray_.Sync(table_);
    for (const Entry& entry : contents.entries)
        AppendEntry(entry);
    options_ = contents.options;
    TakeSmallIcons(options_.smallIcons); // stored at once, as a click stores it
    ShowOptionBoxes();
    TakeHotKey(contents.hotKey);
    ShowHotKey();
    view.SetEnabled(Ctl::AddButton, !table_.Full());
    const bool any = table_.Count() > 0;
    view.SetEnabled(Ctl::DeleteButton, any);
    view.SetEnabled(Ctl::ModifyButton, any);
    if (any)
        editor_.Select(0, table_);
}

} // namespace corvane
