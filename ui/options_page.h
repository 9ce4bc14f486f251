#pragma once
// The "Options" page's four boxes as an options record.
#include "core/settings_store.h"
#include "ui/form_view.h"

namespace corvane {

inline Options OptionBoxes(FormView& view) {
    return {view.Checked(Ctl::cbSingle), view.Checked(Ctl::chkHide), view.Checked(Ctl::cbPopUp),
            view.Checked(Ctl::cbSmallIcons)};
}

} // namespace corvane
