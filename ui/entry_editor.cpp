#include "ui/entry_editor.h"

#include "core/show_commands.h"

namespace corvane {
namespace {

const char* const kSorry = "Sorry!";
const char* const kDuplicate = "Already have this Application in your List";
const char* const kNoPath = "You Must specify a path before adding";

} // namespace

EntryEditor::EntryEditor(const EditorPlatform& platform)
    : view_(platform.view), shellIcons_(platform.shellIcons), dialogs_(platform.dialogs),
      link_(platform.links, platform.files, platform.registry),
      programDialog_("Select an Executable", "Executables (*.exe)|*.exe|All Files (*.*)|*.*", "exe",
                     true),
      iconDialog_("Select an Icon File",
                  "Icon Files (*.ico)|*.ico|Executables (*.exe)|*.exe|All Files (*.*)|*.*", "ico",
                  false),
      preview_(platform.shellIcons, IconRef::None) {}

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
    const std::optional<int> k = SelectedSlot(table);
    if (!k)
        return;
    const Entry& entry = table.At(*k);
    view_.SetText(Ctl::txtPath, entry.Path);
    view_.SetText(Ctl::txtIconPath, entry.IconPath);
    view_.SetText(Ctl::txtParameters, entry.Params);
    view_.SetText(Ctl::txtToolTip, entry.ToolTip);
    // A start mode outside the box's items starts as Normal, and shows so.
    const bool known = entry.StartMode >= smNormal && entry.StartMode <= smHidden;
    view_.SetComboIndex(known ? entry.StartMode : smNormal);
    ShowPreview(entry.IconPath);
    view_.SetChecked(Ctl::cbAutoStart, entry.AutoStart);
}

std::optional<int> EntryEditor::SelectedSlot(const EntryTable& table) {
    const int row = view_.SelectedRow();
    return table.IsUsed(row) ? std::optional<int>(row) : std::nullopt;
}

void EntryEditor::ShowPreview(const std::string& path) {
    preview_ = ScopedIcon(shellIcons_, GetFileIconHandle(shellIcons_, path));
    view_.SetPreviewIcon(preview_.get());
}

void EntryEditor::OnPathChanged() {
    if (!view_.Enabled(Ctl::btnAdd))
        view_.SetEnabled(Ctl::btnAdd, true);
}

Entry EntryEditor::Fields() {
    Entry entry;
    entry.Path = view_.Text(Ctl::txtPath);
    entry.IconPath = view_.Text(Ctl::txtIconPath);
    // Without an icon file the entry shows the icon of what it starts, as it
    // does once stored.
    if (entry.IconPath.empty())
        entry.IconPath = entry.Path;
    entry.Params = view_.Text(Ctl::txtParameters);
    entry.ToolTip = view_.Text(Ctl::txtToolTip);
    entry.AutoStart = view_.Checked(Ctl::cbAutoStart);
    const int mode = view_.ComboIndex();
    entry.StartMode = mode < smNormal ? smNormal : mode;
    return entry;
}

std::optional<int> EntryEditor::Add(EntryTable& table) {
    if (table.Full())
        return std::nullopt;
    bool ok = true;
    const std::string tip = view_.Text(Ctl::txtToolTip);
    for (int i = 0; i < table.Count(); ++i) {
        if (table.At(i).ToolTip == tip) {
            ok = false;
            view_.ShowMessage(kDuplicate, kSorry);
        }
    }
    if (view_.Text(Ctl::txtPath).empty()) {
        ok = false;
        view_.ShowMessage(kNoPath, kSorry);
    }
    if (!ok)
        return std::nullopt;
    const int slot = table.Append(Fields());
    AddRow(slot, table.At(slot));
    // The new entry is the one the fields show, and the one Modify changes.
    Select(slot, table);
    if (table.Full())
        view_.SetEnabled(Ctl::btnAdd, false);
    return slot;
}

std::optional<Entry> EntryEditor::Delete(EntryTable& table) {
    const std::optional<int> k = SelectedSlot(table);
    if (!k)
        return std::nullopt;
    Entry removed = table.At(*k);
    table.Delete(*k);
    view_.DeleteListRow(*k);
    if (table.Count() > 0) {
        view_.SetEnabled(Ctl::btnAdd, true);
        // The fields show the entry now selected, not the one removed.
        Select(0, table);
    } else {
        view_.SetEnabled(Ctl::btnDelete, false);
        view_.SetEnabled(Ctl::btnModify, false);
    }
    return removed;
}

std::optional<int> EntryEditor::Modify(EntryTable& table) {
    const std::optional<int> k = SelectedSlot(table);
    if (k) {
        table.Modify(*k, Fields());
        view_.SetListRow(*k, table.At(*k).ToolTip, preview_.get());
    }
    return k;
}

} // namespace corvane
