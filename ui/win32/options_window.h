#pragma once
// The options window on real windows: the application window that carries
// the task-bar button, and TForm1's window with its two pages. It turns
// messages into calls on TForm1 and implements FormView for it.
#include "ui/corvane.h"
#include "ui/form_view.h"
#include "tray/win32/canvas_win32.h"
#include "ui/win32/handles.h"
#include "ui/win32/welcome_window.h"
#include "ui/win32/window.h"

#include <map>

namespace corvane::win32 {

class OptionsWindow;

// "Corvane Box": the program's top-level window, owner of the options window.
class ApplicationWindow : public Window {
public:
    // Posted to itself when it has gained the focus.
    static constexpr UINT kPassActivation = WM_APP + 1;

    bool Create();
    void Attach(OptionsWindow* options) { options_ = options; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    OptionsWindow* options_ = nullptr;
};

// A page of the notebook: holds controls and passes their notifications on
// to the options window.
class PageWindow : public Window {
public:
    bool Create(HWND parent, const RECT& area, HWND notify);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND notify_ = nullptr;
};

class OptionsWindow : public Window, public FormView {
public:
    static constexpr UINT_PTR kStartupTimer = 1;

    bool Create(ApplicationWindow& application);
    void Attach(TForm1* form) { form_ = form; }
    TForm1* Form() const { return form_; }
    HWND ApplicationHandle() const { return application_ ? application_->hwnd() : nullptr; }

    // Windows is logging off or shutting down.
    void OnEndSession();
    // For the message loop: Enter, Tab and access keys in the window.
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
    void AddListRow(int index, const std::string& caption, IconRef icon) override;
    void AppendListRowWithoutImage(const std::string& caption) override;
    void DeleteListRow(int index) override;
    int SelectedRow() override;
    void SelectRow(int index) override;
    int RowCount() override;
    void HideApplicationWindow() override;
    void RestoreApplicationWindow() override;
    void ForegroundApplicationWindow() override;
    void HideOptionsWindow() override;
    void SetOptionsWindowNormal() override;
    void ShowOptionsWindow() override;
    void StopStartupTimer() override;
    void ShowWelcome() override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void EndProgram() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    HWND Control(Ctl control) const;
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnNotify(const NMHDR& header);
    void OnClose();
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    void SelectPage(int page);
    template <typename Action> void Run(Action&& action) { Guarded(ApplicationHandle(), action); }

    ApplicationWindow* application_ = nullptr;
    TForm1* form_ = nullptr;
    HWND tabs_ = nullptr;
    PageWindow pages_[2];
    std::map<Ctl, HWND> controls_;
    HWND list_ = nullptr;
    HWND preview_ = nullptr;
    UniqueFont boldFont_;
    UniqueFont comboFont_;
    UniqueFont tabFont_;
    UniqueFont systemFont_;
    UniqueImageList images_;
    WelcomeWindow welcome_;
    Win32Canvas canvas_;
    UINT taskbarCreated_ = 0;
    bool ending_ = false;
};

} // namespace corvane::win32
