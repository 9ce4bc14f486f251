#pragma once
// The options window on real windows: it turns messages into calls on the
// program's OptionsWindowEvents and implements FormView for it. The message
// dispatch is in options_window.cpp, the controls in options_layout.cpp, the
// FormView side in options_view.cpp.
#include "ui/form_view.h"
#include "ui/window_events.h"
#include "ui/win32/about_window.h"
#include "ui/win32/app_window.h"
#include "ui/win32/options_layout.h"
#include "ui/win32/welcome_window.h"
#include "ui/win32/window.h"

namespace corvane::win32 {

class OptionsWindow : public Window, public FormView {
public:
    static constexpr const char* kClassName = "CorvaneOptions";
    static constexpr UINT_PTR kStartupTimer = 1;
    static constexpr UINT_PTR kTrayRetryTimer = 2;
    // The identifier of the program's hot key.
    static constexpr int kHotKeyId = 1;

    ~OptionsWindow() override { Destroy(); }

    bool Create(ApplicationWindow& application);
    void Attach(OptionsWindowEvents* events) { events_ = events; }
    HWND ApplicationHandle() const { return application_ ? application_->hwnd() : nullptr; }

    // Windows is logging off or shutting down.
    void OnEndSession();
    // For the message loop: Enter, Tab, access keys and F1 in the window.
    // True when the message has been dealt with.
    bool PreTranslate(MSG& msg);

    // FormView
    WindowRef Handle() override;
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
    void ForegroundApplicationWindow() override;
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
    void OnDpiChanged(int dpi, const RECT& suggested);
    // Writes a row's text and image (a copy of icon, or none) and refits the
    // column. insert makes a new row at index.
    void WriteListRow(bool insert, int index, const std::string& caption, IconRef icon);
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuChar(WPARAM wParam, LPARAM lParam);
    void SelectPage(int page);
    // Runs a call into the program, if one is attached, guarded.
    template <typename Action> void Run(Action&& action) {
        if (events_)
            Guarded(hwnd(), [&] { action(*events_); });
    }

    ApplicationWindow* application_ = nullptr;
    OptionsWindowEvents* events_ = nullptr;
    // Declared before the pages and controls that use them.
    OptionsResources resources_;
    PageWindow pages_[2];
    OptionsControls controls_;
    WelcomeWindow welcome_;
    AboutWindow about_;
    UINT taskbarCreated_ = 0;
    bool ending_ = false;
};

} // namespace corvane::win32
