#pragma once
// Everything the options window passes on to the program, one operation per
// message, control event or timer. The Win32 layer calls these; the program
// (app/) implements them. An operation may throw: the window layer shows the
// error and the program runs on.
#include "core/handles.h"
#include "tray/canvas.h"
#include "tray/owner_draw.h"

#include <cstdint>

namespace corvane {

class OptionsWindowEvents {
public:
    virtual ~OptionsWindowEvents() = default;

    // --- Life of the window ------------------------------------------------
    // The window and its controls exist: load the store, start what is
    // marked, show the icons.
    virtual void OnCreate() = 0;
    // The one-shot start-up timer, about 100 ms after creation.
    virtual void OnStartupTimer() = 0;
    // "&Quit" or a close request from the system: saves and ends the
    // program. When the save fails, the program reports it and ends only if
    // the user chooses to end without saving; the window otherwise stays.
    virtual void OnClose() = 0;
    virtual void OnDestroy() = 0;
    // Windows is logging off or shutting down.
    virtual void OnEndSession() = 0;

    // --- Controls ----------------------------------------------------------
    virtual void OnMinimize() = 0;
    virtual void OnHelp() = 0;
    virtual void OnListClick() = 0;
    virtual void OnPathChanged() = 0;
    virtual void OnAdd() = 0;
    virtual void OnDelete() = 0;
    virtual void OnModify() = 0;
    virtual void OnBrowse() = 0;
    virtual void OnIconBrowse() = 0;
    virtual void OnSingleClickToggled() = 0;
    virtual void OnPopUpToggled() = 0;
    virtual void OnSmallIconsToggled() = 0;

    // --- Shell, menu and hook messages -------------------------------------
    // WM_TRAYNOTIFY: the tray icon's identifier and the mouse message.
    virtual void OnTrayNotify(std::uint32_t id, std::uint32_t mouseMessage) = 0;
    // The shell's tray (re)started ("TaskbarCreated").
    virtual void OnTrayRestarted() = 0;
    // WM_MEASUREITEM / WM_DRAWITEM. True when answered.
    virtual bool OnMeasureItem(Canvas& canvas, MeasureItemRequest& request) = 0;
    virtual bool OnDrawItem(Canvas& canvas, const DrawItemRequest& request) = 0;
    // A command chosen on the pop-up menu (WM_COMMAND's wParam).
    virtual void OnMenuCommand(std::uint32_t wParam) = 0;
    // WM_EXPLORERWINDOW: the reported window and the event code.
    virtual void OnExplorerWindow(WindowRef window, std::intptr_t code) = 0;
    // WM_DROPFILES: files dropped from the shell. The program owns the drop
    // from here and always releases it.
    virtual void OnFilesDropped(DropRef drop) = 0;
};

} // namespace corvane
