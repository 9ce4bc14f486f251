#include "ui/entry_editor.h"

#include "core/entry_rule.h"
#include "core/environment.h"
#include "core/show_commands.h"

#include <algorithm>

namespace corvane {
namespace {

const char* const kSorry = "Sorry!";
const char* const kDuplicate = "Already have this Application in your List";
const char* const kNoPath = "You Must specify a path before adding";

// Why the editor refuses a text the entry rule refuses.
std::string Refusal(EntryText field, TextFault fault) {
    static const char* const names[] = {"Path", "Icon Path", "Parameters", "Description"};
    const std::string name = names[static_cast<int>(field)];
    if (fault == TextFault::ControlCharacter)
        return name + " cannot hold a control character, such as a line break or a tab";
    if (field == EntryText::Path)
        return kPathTooLong;
    return name + (field == EntryText::Parameters ? " are" : " is") + " too long, Max is " +
           std::to_string(LongestText(field)) + " characters";
}

} // namespace

EntryEditor::EntryEditor(const EditorPlatform& platform)
    : view_(platform.view), fileIcons_(platform.fileIcons), system_(platform.system),
      dialogs_(platform.dialogs), links_(platform.links), files_(platform.files),
      drops_(platform.drops),
      programDialog_("Select an Executable", "Executables (*.exe)|*.exe|All Files (*.*)|*.*", "exe",
                     true),
      iconDialog_("Select an Icon File",
                  "Icon Files (*.ico)|*.ico|Executables (*.exe)|*.exe|All Files (*.*)|*.*", "ico",
                  false) {}

void EntryEditor::ShowAppended(const EntryTable& table, int slot) {
    const Entry& entry = table.At(slot);
    // The list keeps its own copy of the image.
    view_.AddListRow(slot, entry.description, FileIcon(entry.iconPath).get());
    if (table.Full())
        view_.SetEnabled(Ctl::AddButton, false);
}

void EntryEditor::ShowListIconsAgain(const EntryTable& table) {
    for (int slot = 0; slot < table.Count(); ++slot) {
        const Entry& entry = table.At(slot);
        view_.SetListRow(slot, entry.description, FileIcon(entry.iconPath).get());
    }
}

ScopedIcon EntryEditor::FileIcon(const std::string& iconPath) {
    return fileIcons_.Icon(ExpandVariables(system_, iconPath), IconSize::Large);
}

void EntryEditor::Select(int row, const EntryTable& table) {
    view_.SelectRow(row);
    ShowSelected(table);
}

void EntryEditor::ShowSelected(const EntryTable& table) {
    view_.SetEnabled(Ctl::DeleteButton, true);
    view_.SetEnabled(Ctl::ModifyButton, true);
    const std::optional<int> k = SelectedSlot(table);
    if (!k)
        return;
    shown_ = k;
    const Entry& entry = table.At(*k);
    view_.SetText(Ctl::PathField, entry.path);
    view_.SetText(Ctl::IconPathField, entry.iconPath);
    view_.SetText(Ctl::ParametersField, entry.parameters);
    view_.SetText(Ctl::DescriptionField, entry.description);
    // A start mode outside the box's items starts as Normal, and shows so.
    const bool known = entry.startMode >= smNormal && entry.startMode <= smHidden;
    view_.SetComboIndex(known ? entry.startMode : smNormal);
    ShowPreview(entry.iconPath);
    view_.SetChecked(Ctl::AutoStartBox, entry.autoStart);
    view_.SetChecked(Ctl::RunAsAdminBox, entry.runAsAdmin);
}

std::optional<int> EntryEditor::SelectedSlot(const EntryTable& table) {
    const int row = view_.SelectedRow();
    return table.IsUsed(row) ? std::optional<int>(row) : std::nullopt;
}

std::optional<int> EntryEditor::ShownSlot(const EntryTable& table) {
    const std::optional<int> k = SelectedSlot(table);
    return k == shown_ ? k : std::nullopt;
}

void EntryEditor::ShowPreview(const std::string& path) {
    preview_ = FileIcon(path);
    view_.SetPreviewIcon(preview_.get());
}

void EntryEditor::OnPathChanged(const EntryTable& table) {
    if (!view_.Enabled(Ctl::AddButton) && !table.Full())
        view_.SetEnabled(Ctl::AddButton, true);
}

Entry EntryEditor::Fields() {
    Entry entry;
    entry.path = view_.Text(Ctl::PathField);
    entry.iconPath = view_.Text(Ctl::IconPathField);
    // Without an icon file the entry shows the icon of what it starts, as it
    // does once stored.
    if (entry.iconPath.empty())
        entry.iconPath = entry.path;
    entry.parameters = view_.Text(Ctl::ParametersField);
    entry.description = view_.Text(Ctl::DescriptionField);
    entry.autoStart = view_.Checked(Ctl::AutoStartBox);
    entry.runAsAdmin = view_.Checked(Ctl::RunAsAdminBox);
    const int mode = view_.ComboIndex();
    entry.startMode = mode < smNormal ? smNormal : mode;
    return entry;
}

bool EntryEditor::Admits(const EntryTable& table, const Entry& entry, int self) {
    bool ok = true;
    const auto refuse = [this, &ok](const std::string& why) {
        ok = false;
        view_.ShowMessage(why, kSorry);
    };
    for (int i = 0; i < table.Count(); ++i)
        if (i != self && table.At(i).description == entry.description)
            refuse(kDuplicate);
    if (entry.path.empty())
        refuse(kNoPath);
    const std::pair<EntryText, const std::string*> texts[] = {
        {EntryText::Path, &entry.path},
        {EntryText::IconPath, &entry.iconPath},
        {EntryText::Parameters, &entry.parameters},
        {EntryText::Description, &entry.description}};
    for (const auto& [field, text] : texts) {
        const TextFault fault = FaultOf(field, *text);
        // An icon path left empty is the path: its refusal is told once.
        if (fault != TextFault::None && (field != EntryText::IconPath || *text != entry.path))
            refuse(Refusal(field, fault));
    }
    return ok;
}

std::optional<int> EntryEditor::Add(EntryTable& table) {
    if (table.Full())
        return std::nullopt;
    Entry entry = Fields();
    if (!Admits(table, entry))
        return std::nullopt;
    const int slot = table.Append(std::move(entry));
    ShowAppended(table, slot);
    // The new entry is the one the fields show, and the one Modify changes.
    Select(slot, table);
    return slot;
}

std::optional<Entry> EntryEditor::Delete(EntryTable& table) {
    const std::optional<int> k = ShownSlot(table);
    if (!k)
        return std::nullopt;
    Entry removed = table.At(*k);
    table.Delete(*k);
    view_.DeleteListRow(*k);
    if (table.Count() > 0) {
        view_.SetEnabled(Ctl::AddButton, true);
        // The fields show the entry now selected, not the one removed.
        Select(0, table);
    } else {
        view_.SetEnabled(Ctl::DeleteButton, false);
        view_.SetEnabled(Ctl::ModifyButton, false);
    }
    return removed;
}

std::optional<int> EntryEditor::Modify(EntryTable& table) {
    const std::optional<int> k = ShownSlot(table);
    if (!k)
        return std::nullopt;
    const Entry fields = Fields();
    if (!Admits(table, fields, *k))
        return std::nullopt;
    table.Modify(*k, fields);
    const Entry& entry = table.At(*k);
    // The icon a restart would show, also for an icon path typed by hand.
    ShowPreview(entry.iconPath);
    view_.SetListRow(*k, entry.description, preview_.get());
    return k;
}

std::optional<int> EntryEditor::Move(EntryTable& table, int by) {
    const std::optional<int> k = ShownSlot(table);
    if (!k || !table.Move(*k, *k + by))
        return std::nullopt;
    for (const int slot : {*k, *k + by}) {
        const Entry& entry = table.At(slot);
        view_.SetListRow(slot, entry.description, FileIcon(entry.iconPath).get());
    }
    Select(*k + by, table);
    return std::min(*k, *k + by);
}

} // namespace corvane
