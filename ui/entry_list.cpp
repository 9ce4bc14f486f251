// The entry list of the "General" page and the editor fields it fills.
#include "ui/corvane.h"

namespace corvane {

void TForm1::AddEntryRow(const std::string& caption, const std::string& iconPath, int index) {
    // The list keeps its own copy of the image.
    ScopedIcon icon(env_.shellIcons, GetFileIconHandle(env_.shellIcons, iconPath));
    env_.view.AddListRow(index, caption, icon.get());
}

void TForm1::ListView1Click() {
    FormView& view = env_.view;
    view.SetEnabled(Ctl::btnDelete, true);
    view.SetEnabled(Ctl::btnModify, true);
    const int k = view.SelectedRow();
    if (!Entries.IsUsed(k))
        return;
    const ListType& entry = Entries.Icons[static_cast<std::size_t>(k)];
    view.SetText(Ctl::txtPath, entry.Path);
    view.SetText(Ctl::txtIconPath, entry.IconPath);
    view.SetText(Ctl::txtParameters, entry.Params);
    view.SetText(Ctl::txtToolTip, entry.ToolTip);
    view.SetComboIndex(entry.StartMode >= 0 && entry.StartMode <= smHidden ? entry.StartMode : -1);
    previewIcon_ = ScopedIcon(env_.shellIcons, GetFileIconHandle(env_.shellIcons, entry.IconPath));
    view.SetPreviewIcon(previewIcon_.get());
    view.SetChecked(Ctl::cbAutoStart, entry.AutoStart);
}

void TForm1::txtPathChange() {
    if (!env_.view.Enabled(Ctl::btnAdd))
        env_.view.SetEnabled(Ctl::btnAdd, true);
}

} // namespace corvane
