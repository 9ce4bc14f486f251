// The launcher's answers to the editor's buttons, to files dropped on the
// options window, and to Export and Import. Every change shows at once in
// the list, the tray and the pop-up menu; the store gets it with the next
// save, so a user who ends without saving keeps the store as it was.
#include "app/launcher.h"
#include "core/store_file.h"

namespace corvane {

void Launcher::OnListClick() {
    editor_.ShowSelected(table_);
}

void Launcher::OnPathChanged() {
    editor_.OnPathChanged(table_);
}

void Launcher::OnBrowse() {
    editor_.Browse(table_);
}

void Launcher::OnIconBrowse() {
    editor_.BrowseIcon(table_);
}

void Launcher::FollowTable() {
    tray_.Sync(table_);
    menu_.Rebuild();
}

void Launcher::OnAdd() {
    if (!TellEntriesReadOnly() && editor_.Add(table_))
        FollowTable();
}

void Launcher::OnDelete() {
    if (!TellEntriesReadOnly() && editor_.Delete(table_))
        FollowTable();
}

void Launcher::OnModify() {
    if (!TellEntriesReadOnly() && editor_.Modify(table_))
        FollowTable();
}

void Launcher::OnMoveUp() {
    if (!TellEntriesReadOnly() && editor_.Move(table_, -1))
        FollowTable();
}

void Launcher::OnMoveDown() {
    if (!TellEntriesReadOnly() && editor_.Move(table_, +1))
        FollowTable();
}

void Launcher::OnFilesDropped(DropRef drop) {
    const std::vector<std::string> names = editor_.TakeDrop(drop);
    if (!TellEntriesReadOnly() && editor_.AddFiles(table_, names))
        FollowTable();
}

void Launcher::OnExport() {
    settingsFiles_.Export(ExportStore(options_, hotKey_.Held(), table_));
}

void Launcher::OnImport() {
    if (TellEntriesReadOnly())
        return;
    const std::optional<StoreContents> imported = settingsFiles_.Import();
    if (!imported)
        return;
    editor_.ReplaceAll(table_, imported->entries);
    ApplyOptions(imported->options);
    StoreSmallIcons(); // as a click on its box stores it
    hotKey_.Take(imported->hotKey);
    hotKey_.Show();
    FollowTable();
}

} // namespace corvane
