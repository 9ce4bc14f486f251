#pragma once
// The application window "Corvane Box", which carries the task-bar button and
// owns the options window, and the pages of the options window's notebook.
#include "core/win32/window.h"

namespace corvane::win32 {

class OptionsWindow;

class ApplicationWindow : public Window {
public:
    // Posted to itself when it has gained the focus.
    static constexpr UINT kPassActivation = WM_APP + 1;

    bool Create();
    void Attach(OptionsWindow* options) { options_ = options; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND OptionsHandle() const;

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

} // namespace corvane::win32
