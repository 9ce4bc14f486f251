#pragma once
// The "General" page: the entry list, one row per slot, the editor fields
// that show the selected entry, the buttons that add, delete and modify
// entries, and the two Browse buttons with their open-file dialogs. It
// decides when Add, Delete and Modify can be used. The Browse buttons are in
// entry_browse.cpp; the whole table shown, replaced or added to by files
// dropped on the window in entry_editor_table.cpp; the rest in
// entry_editor.cpp.
#include "core/entry.h"
#include "core/system_api.h"
#include "shell/file_system_api.h"
#include "shell/link_loader.h"
#include "tray/tray_icons.h"
#include "ui/dropped_files.h"
#include "ui/form_view.h"
#include "ui/open_dialog.h"

#include <optional>

namespace corvane {

// Told when an entry's path is longer than the shell opens whole.
inline constexpr const char* kPathTooLong = "Path is too long to start, Max is 259 characters";

// What the editor works through.
struct EditorPlatform {
    FormView& view;
    FileIcons& fileIcons;
    FileDialogApi& dialogs;
    // Where a chosen shortcut is read.
    LinkLoader& links;
    FileSystemApi& files;
    // Where an icon path's environment variables are looked up.
    SystemApi& system;
    // The files dropped on the window.
    DropApi& drops;
};

class EntryEditor {
public:
    explicit EntryEditor(const EditorPlatform& platform);

    // The row of the entry just appended in slot, with its description and
    // icon. A full table disables Add.
    void ShowAppended(const EntryTable& table, int slot);
    // A row for every entry, the first one selected, in a list just made.
    void ShowTable(const EntryTable& table);
    // The entries in place of the table's, and their rows in place of the
    // list's; the first one selected.
    void ReplaceAll(EntryTable& table, const std::vector<Entry>& entries);
    // The names a drop carries; the drop is done with.
    std::vector<std::string> TakeDrop(DropRef drop);
    // Each file as a new entry, described by its display name, unless the
    // rules refuse it; with more files than the table has room for, none.
    // True when any was added.
    bool AddFiles(EntryTable& table, const std::vector<std::string>& names);
    // Every row's icon looked up again, at the size the list shows now.
    void ShowListIconsAgain(const EntryTable& table);
    // Selects a row and shows its entry, as a click on it does.
    void Select(int row, const EntryTable& table);
    // A click on the list, or its selection moved: enables Delete and Modify
    // and shows the selected entry in the fields.
    void ShowSelected(const EntryTable& table);
    // The path field changed: Add becomes possible, unless the table is full.
    void OnPathChanged(const EntryTable& table);

    // The rules every stored entry keeps: a path, and texts that the entry
    // rule (core/entry_rule.h) admits, and a description no other entry has
    // (the entry in slot self may keep its own). Each refusal is told in a box.
    bool Admits(const EntryTable& table, const Entry& entry, int self = -1);
    // The fields as a new entry, if the rules admit it. The new row is
    // selected. Returns its slot, or nothing when nothing was added.
    std::optional<int> Add(EntryTable& table);
    // Removes the entry the fields show and its row, then shows row 0.
    // Returns the entry removed.
    std::optional<Entry> Delete(EntryTable& table);
    // The fields into the entry they show, if the rules admit them; its
    // icon id stays. Its row and the preview take the icon of its stored icon
    // path. Returns its slot.
    std::optional<int> Modify(EntryTable& table);
    // Moves the entry the fields show by one slot (-1 up, +1 down), its row
    // with it; it stays selected. Returns the first of the two slots that
    // traded entries.
    std::optional<int> Move(EntryTable& table, int by);

    // Fills the fields from a program, a document or a shortcut file.
    void Browse(const EntryTable& table);
    // Fills the icon path from an icon file.
    void BrowseIcon(const EntryTable& table);

private:
    // The shell's icon of an icon path, its variables expanded: what the
    // list's rows and the preview show.
    ScopedIcon FileIcon(const std::string& iconPath);
    // The fields as an entry (no icon id).
    Entry Fields();
    void ShowPreview(const std::string& path);
    // The slot of the selected row's entry, if a row is selected.
    std::optional<int> SelectedSlot(const EntryTable& table);
    // The slot of the entry the fields show, while its row is selected:
    // what Modify and Delete act on.
    std::optional<int> ShownSlot(const EntryTable& table);
    // The folder of the selected entry's path, for a dialog to open in.
    void OpenAtSelectedEntry(OpenDialog& dialog, const EntryTable& table);

    FormView& view_;
    FileIcons& fileIcons_;
    SystemApi& system_;
    FileDialogApi& dialogs_;
    LinkLoader& links_;
    FileSystemApi& files_;
    DropApi& drops_;
    OpenDialog programDialog_;
    OpenDialog iconDialog_;
    // The icon the preview shows; the view only borrows it.
    ScopedIcon preview_;
    // The slot whose entry the fields were last filled from.
    std::optional<int> shown_;
};

} // namespace corvane
