#pragma once
// The options window and the program's other windows as the logic sees them:
// controls addressed by name, and the few window operations start-up, saving
// and the menu need. The Win32 layer implements it on real windows. The
// options window is made when it is first shown: until then its controls
// are not asked or set.
#include "core/handles.h"
#include "core/text.h"

#include <cstdint>
#include <string>

namespace corvane {

enum class Ctl {
    // "General" page
    PathField,
    IconPathField,
    ParametersField,
    DescriptionField,
    BrowseButton,
    IconBrowseButton,
    AutoStartBox,
    StartModeList,
    AddButton,
    DeleteButton,
    ModifyButton,
    HelpButton,
    MoveUpButton,
    MoveDownButton,
    // "Options" page
    HideOnStartBox,
    SingleClickBox,
    PopUpBox,
    SmallIconsBox,
    ExportButton,
    ImportButton,
    // bottom buttons
    MinimizeButton,
    QuitButton,
    AboutButton,
    // added later, each on its page
    RunAsAdminBox, // "General"
    HotKeyField,   // "Options": the hot-key control
    EntryList,     // "General": the entries, one row each
};

class FormView {
public:
    virtual ~FormView() = default;

    // The tray window's handle: owner of every tray icon, launch, the menu
    // and the hook library's reports.
    virtual WindowRef Handle() = 0;
    // The options window's handle, owner of the file dialogs it opens.
    virtual WindowRef DialogOwner() = 0;
    virtual bool OptionsWindowMade() = 0;
    // Makes the options window with its controls, minimized, and the
    // application window with its task-bar button.
    virtual void MakeOptionsWindow() = 0;

    virtual std::string Text(Ctl control) = 0;
    // Setting a text field to new text raises its change event, as typing does.
    virtual void SetText(Ctl control, const std::string& text) = 0;
    virtual bool Checked(Ctl control) = 0;
    // Sets the box without running its click handler.
    virtual void SetChecked(Ctl control, bool checked) = 0;
    virtual bool Enabled(Ctl control) = 0;
    virtual void SetEnabled(Ctl control, bool enabled) = 0;
    // The start-mode box: the chosen item, or -1.
    virtual int ComboIndex() = 0;
    virtual void SetComboIndex(int index) = 0;
    // The hot-key control's key, as ui/hot_key.h reads it.
    virtual std::uint16_t HotKey() = 0;
    virtual void SetHotKey(std::uint16_t hotKey) = 0;
    // The program's one global hot key, on the tray window (0: none); false
    // when the system refuses it: another program holds the key.
    virtual bool RegisterHotKey(std::uint16_t hotKey) = 0;
    virtual void UnregisterHotKey() = 0;
    // The preview picture; the editor keeps owning the icon.
    virtual void SetPreviewIcon(IconRef icon) = 0;

    // The entry list. AddListRow adds an image (a copy of icon) and a row.
    virtual void AddListRow(int index, const std::string& caption, IconRef icon) = 0;
    // A row's new text and image (a copy of icon).
    virtual void SetListRow(int index, const std::string& caption, IconRef icon) = 0;
    // The row goes, and its image with it.
    virtual void DeleteListRow(int index) = 0;
    virtual int SelectedRow() = 0;
    virtual void SelectRow(int index) = 0;

    // The application window, which carries the task-bar button.
    virtual void HideApplicationWindow() = 0;
    virtual void RestoreApplicationWindow() = 0;
    // The tray window in the foreground: a menu it owns closes when the user
    // clicks elsewhere.
    virtual void TakeForeground() = 0;
    // The options window.
    virtual void HideOptionsWindow() = 0;
    // Normal size and place; a hidden window stays hidden.
    virtual void SetOptionsWindowNormal() = 0;
    // Visible and in front.
    virtual void ShowOptionsWindow() = 0;

    // The one-shot start-up timer.
    virtual void StopStartupTimer() = 0;
    // The timer that adds again the tray icons the shell refused.
    virtual void StartTrayRetryTimer(unsigned milliseconds) = 0;
    virtual void StopTrayRetryTimer() = 0;
    // The first-run welcome window, made on first use and kept.
    virtual void ShowWelcome() = 0;
    // A box with the error icon, modal to the options window: the window
    // takes no input, not even a dropped file, until it closes. Without an
    // options window that shows, the box stands alone and every window of
    // the program waits for it.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    // A Yes/No question, modal as ShowMessage is; No is the default button.
    // True for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
    // Ends the message loop; the windows are destroyed on the way out and
    // the process ends with exit code 0.
    virtual void EndProgram() = 0;
};

} // namespace corvane
