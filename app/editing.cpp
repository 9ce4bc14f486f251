// The launcher's answers to the editor's buttons and to files dropped on the
// options window. Every change shows at once in the list, the tray and the
// pop-up menu; the store gets it with the next save.
#include "app/launcher.h"
#include "core/entry_rule.h"

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
    MoveEntry(-1);
}

void Launcher::OnMoveDown() {
    MoveEntry(+1);
}

void Launcher::MoveEntry(int by) {
    if (!TellEntriesReadOnly() && editor_.Move(table_, by))
        FollowTable();
}

void Launcher::OnFilesDropped(DropRef drop) {
    const OwnedDrop owned(env_.drops, drop);
    if (TellEntriesReadOnly())
        return;
    const std::vector<std::string> names = DroppedNames(env_.drops, drop);
    // All or nothing.
    if (table_.Count() + names.size() > static_cast<std::size_t>(kMaxEntries)) {
        env_.view.ShowMessage("Attempted to Drop too many Icons, Max is 20", "Error");
        return;
    }
    for (const std::string& name : names) {
        Entry entry;
        entry.path = name;
        entry.iconPath = name;
        entry.description = AsDescription(env_.fileIcons.DisplayName(name));
        // A file the editor's Add would refuse is left out.
        if (!editor_.Admits(table_, entry))
            continue;
        AppendEntry(std::move(entry));
    }
    if (popUp_ && !names.empty())
        menu_.Rebuild();
}

} // namespace corvane
