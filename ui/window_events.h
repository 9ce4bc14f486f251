#pragma once
// Everything the options window passes on to the program, one operation per
// message or control event (what reaches the program at the tray window is in
// tray/tray_window_events.h). The Win32 layer calls these; the program
// (app/) implements them. An operation may throw: the window layer shows the
// error and the program runs on. An event the program does not answer does
// nothing; a drop is always taken, since its taker must release it.
#include "core/handles.h"

namespace corvane {

class OptionsWindowEvents {
public:
    virtual ~OptionsWindowEvents() = default;

    // --- Life of the window ------------------------------------------------
    // "&Quit" or a close request from the system: saves and ends the
    // program. When the save fails, the program reports it and ends only if
    // the user chooses to end without saving; the window otherwise stays.
    virtual void OnClose() {}
    // The window moved to a monitor of another DPI and its controls were laid
    // out again: the entry list shows its images at that DPI's size now.
    virtual void OnDpiChanged() {}

    // --- Controls ----------------------------------------------------------
    virtual void OnMinimize() {}
    virtual void OnHelp() {}
    virtual void OnListClick() {}
    virtual void OnPathChanged() {}
    virtual void OnAdd() {}
    virtual void OnDelete() {}
    virtual void OnModify() {}
    // "Move up" / "Move down", or Alt+Up / Alt+Down in the entry list.
    virtual void OnMoveUp() {}
    virtual void OnMoveDown() {}
    virtual void OnBrowse() {}
    virtual void OnIconBrowse() {}
    // A click on a box of the "Options" page, and what the box says now.
    virtual void OnHideToggled(bool /*checked*/) {}
    virtual void OnSingleClickToggled(bool /*checked*/) {}
    virtual void OnPopUpToggled(bool /*checked*/) {}
    virtual void OnSmallIconsToggled(bool /*checked*/) {}
    virtual void OnExport() {}
    virtual void OnImport() {}
    // The hot-key control changed (each key the user presses in it, and
    // each modifier let go).
    virtual void OnHotKeyChanged() {}
    // Backspace or Delete in the hot-key control: the user clears the key.
    virtual void OnHotKeyCleared() {}

    // WM_DROPFILES: files dropped from the shell. The program owns the drop
    // from here and always releases it.
    virtual void OnFilesDropped(DropRef drop) = 0;
};

} // namespace corvane
