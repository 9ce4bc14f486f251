#include "ui/entry_editor.h"

#include "core/show_commands.h"

namespace corvane {

void EntryEditor::AddRow(int index, const Entry& entry) {
    // The list keeps its own copy of the image.
    const ScopedIcon icon(shellIcons_, GetFileIconHandle(shellIcons_, entry.IconPath));
    view_.AddListRow(index, entry.ToolTip, icon.get());
}

void EntryEditor::Select(int row, const EntryTable& table) {
    view_.SelectRow(row);
    ShowSelected(table);
}

void EntryEditor::ShowSelected(const EntryTable& table) {
    view_.SetEnabled(Ctl::btnDelete, true);
    view_.SetEnabled(Ctl::btnModify, true);
    const int k = view_.SelectedRow();
    if (!table.IsUsed(k))
        return;
    const Entry& entry = table.At(k);
    view_.SetText(Ctl::txtPath, entry.Path);
    view_.SetText(Ctl::txtIconPath, entry.IconPath);
    view_.SetText(Ctl::txtParameters, entry.Params);
    view_.SetText(Ctl::txtToolTip, entry.ToolTip);
    view_.SetComboIndex(entry.StartMode >= smNormal && entry.StartMode <= smHidden ? entry.StartMode
                                                                                   : -1);
    preview_ = ScopedIcon(shellIcons_, GetFileIconHandle(shellIcons_, entry.IconPath));
    view_.SetPreviewIcon(preview_.get());
    view_.SetChecked(Ctl::cbAutoStart, entry.AutoStart);
}

void EntryEditor::OnPathChanged() {
    if (!view_.Enabled(Ctl::btnAdd))
        view_.SetEnabled(Ctl::btnAdd, true);
}

} // namespace corvane
