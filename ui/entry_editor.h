#pragma once
// The "General" page: the entry list, one row per slot, and the editor fields
// that show the selected entry.
#include "core/entry.h"
#include "tray/tray_icons.h"
#include "ui/form_view.h"

namespace corvane {

class EntryEditor {
public:
    EntryEditor(FormView& view, ShellIconApi& shellIcons)
        : view_(view), shellIcons_(shellIcons), preview_(shellIcons, IconRef::None) {}

    // Row index of the list for an entry, with its description and icon.
    void AddRow(int index, const Entry& entry);
    // Selects a row and shows its entry, as a click on it does.
    void Select(int row, const EntryTable& table);
    // A click on the list: enables Delete and Modify and shows the selected
    // entry in the fields.
    void ShowSelected(const EntryTable& table);
    // The path field changed: Add becomes possible.
    void OnPathChanged();

private:
    FormView& view_;
    ShellIconApi& shellIcons_;
    // The icon the preview shows; the view only borrows it.
    ScopedIcon preview_;
};

} // namespace corvane
