#pragma once
// The options window on real windows: it turns messages into calls on the
// program's OptionsWindowEvents and implements FormView for it, the tray
// window's part through the tray window. It is made, with the application
// window that carries its task-bar button, when it is first shown. The message
// dispatch is in options_window.cpp, the controls in options_layout.cpp, the
// FormView side in options_view.cpp, the hot key's part in options_hot_key.cpp.
#include "core/win32/window.h"
#include "tray/win32/tray_window.h"
#include "ui/form_view.h"
#include "ui/window_events.h"
#include "ui/win32/about_window.h"
#include "ui/win32/app_window.h"
#include "ui/win32/options_layout.h"
#include "ui/win32/welcome_window.h"

namespace corvane::win32 {

class OptionsWindow : public Window, public FormView {
public:
    static constexpr const char* kClassName = "CorvaneOptions";

    explicit OptionsWindow(TrayWindow& tray) : tray_(tray) {}
    ~OptionsWindow() override { Destroy(); }

    void Attach(OptionsWindowEvents* events) { events_ = events; }
    HWND ApplicationHandle() const { return application_.hwnd(); }

    // For the message loop: Enter, Tab, access keys and F1 in the window.
    // True when the message has been dealt with.
    bool PreTranslate(MSG& msg);

    // FormView
    WindowRef Handle() override;
    WindowRef DialogOwner() override;
    bool OptionsWindowMade() override;
    void MakeOptionsWindow() override;
    std::string Text(Ctl control) override;
    void SetText(Ctl control, const std::string& text) override;
    bool Checked(Ctl control) override;
    void SetChecked(Ctl control, bool checked) override;
    bool Enabled(Ctl control) override;
    void SetEnabled(Ctl control, bool enabled) override;
    int ComboIndex() override;
    void SetComboIndex(int index) override;
    void SetPreviewIcon(IconRef icon) override;
    std::uint16_t HotKey() override;
    void SetHotKey(std::uint16_t hotKey) override;
    bool RegisterHotKey(std::uint16_t hotKey) override;
    void UnregisterHotKey() override;
    void AddListRow(int index, const std::string& caption, IconRef icon) override;
    void SetListRow(int index, const std::string& caption, IconRef icon) override;
    void DeleteListRow(int index) override;
    int SelectedRow() override;
    void SelectRow(int index) override;
    void HideApplicationWindow() override;
    void RestoreApplicationWindow() override;
    void TakeForeground() override;
    void HideOptionsWindow() override;
    void SetOptionsWindowNormal() override;
    void ShowOptionsWindow() override;
    void StopStartupTimer() override;
    void StartTrayRetryTimer(unsigned milliseconds) override;
    void StopTrayRetryTimer() override;
    void ShowWelcome() override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void EndProgram() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND Control(Ctl control) const;
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnNotify(const NMHDR& header);
    void OnClose();
    void OnActivate(bool active, bool minimized);
    void OnDpiChanged(int dpi, const RECT& suggested);
    // Writes a row's text and image (a copy of icon, or none) and refits the
    // column. insert makes a new row at index.
    void WriteListRow(bool insert, int index, const std::string& caption, IconRef icon);
    void SelectPage(int page);
    // Runs a call into the program, if one is attached, guarded.
    template <typename Action> void Run(Action&& action) {
        if (events_)
            Guarded(hwnd(), [&] { action(*events_); });
    }

    TrayWindow& tray_;
    OptionsWindowEvents* events_ = nullptr;
    // Declared before the pages and controls that use them.
    OptionsResources resources_;
    PageWindow pages_[2];
    OptionsControls controls_;
    WelcomeWindow welcome_;
    AboutWindow about_;
    // Made before the options window, which it owns, and destroyed after it.
    ApplicationWindow application_;
    bool ending_ = false;
    // The control that had the focus when the window was last left.
    HWND lastFocus_ = nullptr;
};

} // namespace corvane::win32
