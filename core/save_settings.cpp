// Saving the options and the entries.
#include "core/settings_store.h"
#include "ui/corvane.h"

namespace corvane {

void TForm1::WriteSettings() {
    FormView& view = env_.view;
    registry_.OpenKey(kSettingsKey, true);
    registry_.WriteBool(kValSingleClick, view.Checked(Ctl::cbSingle));
    registry_.WriteBool(kValHideOnStart, view.Checked(Ctl::chkHide));
    // The box, not the running mode: a change reaches the next start.
    registry_.WriteBool(kValPopUpIt, view.Checked(Ctl::cbPopUp));
    // Written even when it is 0, so deleted entries never come back.
    registry_.WriteInteger(kValIconCount, Entries.IconCount);
    // Subkeys past the count are left as they are; nobody reads them.
    for (int i = 0; i < Entries.IconCount; ++i) {
        registry_.OpenKey(EntrySubkey(i), true);
        WriteEntryValues(registry_, Entries.Icons[static_cast<std::size_t>(i)]);
    }
}

TForm1::SaveOutcome TForm1::SaveSettings() {
    WriteSettings();
    if (Entries.IconCount == 0) {
        env_.view.EndProgram();
        return SaveOutcome::ProgramEnded;
    }
    env_.view.HideApplicationWindow();
    env_.view.HideOptionsWindow();
    return SaveOutcome::Saved;
}

} // namespace corvane
