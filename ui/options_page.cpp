// The "Options" page and the window's buttons.
#include "core/settings_store.h"
#include "core/text.h"
#include "ui/corvane.h"

namespace corvane {

void TForm1::cbSingleClick() {
    SingleClick = !SingleClick;
}

void TForm1::cbPopUpClick() {
    env_.view.SetEnabled(Ctl::cbSmallIcons, env_.view.Checked(Ctl::cbPopUp));
}

void TForm1::cbSmallIconsClick() {
    const bool small = env_.view.Checked(Ctl::cbSmallIcons);
    ItemHeight = small ? kSmallItemHeight : kLargeItemHeight;
    // Always into the settings key, whichever key a save left open.
    registry_.OpenKey(kSettingsKey, true);
    registry_.WriteBool(kValSmallIcons, small);
    RebuildPopupMenu();
}

void TForm1::btnOkayClick() {
    SaveSettings();
}

void TForm1::btnHelpClick() {
    const std::string folder = CutTo(FolderPart(ProgramPath), kShellTextMax);
    env_.shell.Execute(env_.view.Handle(), nullptr, "Corvane.hlp", "", folder.c_str(), kSwShow);
}

} // namespace corvane
