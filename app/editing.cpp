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

void Launcher::OnAdd() {
    if (TellEntriesReadOnly())
        return;
    const std::optional<int> slot = editor_.Add(table_);
    if (!slot)
        return;
    const Entry& added = table_.At(*slot);
    if (popUp_)
        menu_.Rebuild();
    else
        tray_.AddEntryIcon(added, added.IconId);
}

// In pop-up mode the entries have no tray icons, and an entry's identifier
// may equal the main icon's: no tray request is made for them.
void Launcher::OnDelete() {
    if (TellEntriesReadOnly())
        return;
    const std::optional<Entry> removed = editor_.Delete(table_);
    if (!removed)
        return;
    if (!popUp_)
        tray_.RemoveEntryIcon(removed->IconId);
    menu_.Rebuild();
}

void Launcher::OnModify() {
    if (TellEntriesReadOnly())
        return;
    const std::optional<int> slot = editor_.Modify(table_);
    if (!slot)
        return;
    if (!popUp_)
        tray_.ModifyEntryIcon(table_.At(*slot));
    menu_.Rebuild();
}

void Launcher::OnMoveUp() {
    MoveEntry(-1);
}

void Launcher::OnMoveDown() {
    MoveEntry(+1);
}

void Launcher::MoveEntry(int by) {
    if (TellEntriesReadOnly())
        return;
    const std::optional<int> from = editor_.Move(table_, by);
    if (!from)
        return;
    if (!popUp_) {
        for (int slot = *from; slot < table_.Count(); ++slot)
            tray_.RemoveEntryIcon(table_.At(slot).IconId);
        for (int slot = *from; slot < table_.Count(); ++slot)
            tray_.AddEntryIcon(table_.At(slot), table_.At(slot).IconId);
    }
    menu_.Rebuild();
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
        entry.Path = name;
        entry.IconPath = name;
        entry.ToolTip = AsDescription(GetFileDisplayName(env_.shellIcons, name));
        // A file the editor's Add would refuse is left out.
        if (!editor_.Admits(table_, entry))
            continue;
        AppendEntry(std::move(entry));
    }
    if (popUp_ && !names.empty())
        menu_.Rebuild();
}

} // namespace corvane
