#pragma once
// Everything the options window passes on to the program, one operation per
// message, control event or timer. The Win32 layer calls these; the program
// (app/) implements them. An operation may throw: the window layer shows the
// error and the program runs on. An event the program does not answer does
// nothing; a drop is always taken, since its taker must release it.
#include "core/handles.h"
#include "tray/menu_keys.h"
#include "tray/menu_rows.h"

#include <cstdint>

namespace corvane {

class OptionsWindowEvents {
public:
    virtual ~OptionsWindowEvents() = default;

    // --- Life of the window ------------------------------------------------
    // The window and its controls exist: load the store, start what is
    // marked, show the icons.
    virtual void OnCreate() {}
    // The one-shot start-up timer, about 100 ms after creation.
    virtual void OnStartupTimer() {}
    // A tick of the timer that adds refused tray icons again.
    virtual void OnTrayRetryTimer() {}
    // "&Quit" or a close request from the system: saves and ends the
    // program. When the save fails, the program reports it and ends only if
    // the user chooses to end without saving; the window otherwise stays.
    virtual void OnClose() {}
    virtual void OnDestroy() {}
    // Windows is logging off or shutting down.
    virtual void OnEndSession() {}
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
    virtual void OnSingleClickToggled() {}
    virtual void OnPopUpToggled() {}
    virtual void OnSmallIconsToggled() {}
    virtual void OnExport() {}
    virtual void OnImport() {}
    // The hot-key control changed (each key the user presses in it, and
    // each modifier let go).
    virtual void OnHotKeyChanged() {}
    // Backspace or Delete in the hot-key control: the user clears the key.
    virtual void OnHotKeyCleared() {}

    // --- Shell, menu and hook messages -------------------------------------
    // WM_TRAYNOTIFY: the tray icon's identifier and the mouse message.
    virtual void OnTrayNotify(std::uint32_t /*id*/, std::uint32_t /*mouseMessage*/) {}
    // The shell's tray (re)started ("TaskbarCreated").
    virtual void OnTrayRestarted() {}
    // WM_MEASUREITEM / WM_DRAWITEM: an owner-drawn row's size, and what it
    // shows where; nothing leaves the item to the system.
    virtual std::optional<Extent> OnMeasureItem(const DrawnItem& /*item*/,
                                                TextMeasure& /*measure*/) {
        return std::nullopt;
    }
    virtual std::optional<RowPicture> OnDrawItem(const DrawnItem& /*item*/) { return std::nullopt; }
    // WM_MENUCHAR: a key typed in a menu that chose no plain row.
    virtual MenuCharAnswer OnMenuChar(char16_t /*typed*/, MenuRef /*menu*/) { return {}; }
    // WM_HOTKEY: the program's hot key was pressed.
    virtual void OnHotKey() {}
    // A command chosen on the pop-up menu (WM_COMMAND's wParam).
    virtual void OnMenuCommand(std::uint32_t /*wParam*/) {}
    // WM_EXPLORERWINDOW: the reported window and the event code.
    virtual void OnExplorerWindow(WindowRef /*window*/, std::intptr_t /*code*/) {}
    // WM_DROPFILES: files dropped from the shell. The program owns the drop
    // from here and always releases it.
    virtual void OnFilesDropped(DropRef drop) = 0;
};

} // namespace corvane
