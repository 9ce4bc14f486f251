// The editor's operations on the whole table: the list filled when the
// options window is made, the table replaced by an import, and files dropped
// on the window.
#include "ui/entry_editor.h"

#include "core/entry_rule.h"

namespace corvane {

void EntryEditor::ShowTable(const EntryTable& table) {
    for (int slot = 0; slot < table.Count(); ++slot)
        ShowAppended(table, slot);
    if (table.Count() > 0)
        Select(0, table);
}

void EntryEditor::ReplaceAll(EntryTable& table, const std::vector<Entry>& entries) {
    for (int slot = table.Count() - 1; slot >= 0; --slot) {
        view_.DeleteListRow(slot);
        table.Delete(slot);
    }
    table.AppendAll(entries);
    for (int slot = 0; slot < table.Count(); ++slot)
        ShowAppended(table, slot);
    view_.SetEnabled(Ctl::AddButton, !table.Full());
    const bool any = table.Count() > 0;
    view_.SetEnabled(Ctl::DeleteButton, any);
    view_.SetEnabled(Ctl::ModifyButton, any);
    if (any)
        Select(0, table);
}

std::vector<std::string> EntryEditor::TakeDrop(DropRef drop) {
    const OwnedDrop owned(drops_, drop);
    return DroppedNames(drops_, drop);
}

bool EntryEditor::AddFiles(EntryTable& table, const std::vector<std::string>& names) {
    if (table.Count() + names.size() > static_cast<std::size_t>(kMaxEntries)) {
        view_.ShowMessage("Attempted to Drop too many Icons, Max is 20", "Error");
        return false;
    }
    bool added = false;
    for (const std::string& name : names) {
        Entry entry;
        entry.path = name;
        entry.iconPath = name;
        entry.description = AsDescription(fileIcons_.DisplayName(name));
        // A file the editor's Add would refuse is left out.
        if (!Admits(table, entry))
            continue;
        ShowAppended(table, table.Append(std::move(entry)));
        added = true;
    }
    return added;
}

} // namespace corvane
