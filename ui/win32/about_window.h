#pragma once
// The about window: made on first use, then kept for the run, and shown
// modally over its owner.
#include "ui/win32/handles.h"
#include "ui/win32/scaled_controls.h"
#include "core/win32/window.h"

namespace corvane::win32 {

class AboutWindow : public Window {
public:
    ~AboutWindow() override { Destroy(); }

    // Shows the window over owner, which takes no input until it closes
    // ("OK", Enter, Esc or its close box). Returns when it has closed.
    void ShowModal(HWND owner);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateWindowAndControls(HWND owner);
    void Close();

    void LayOut(int dpi);
    // Declared before the controls that use them.
    UniqueIcon icon_;
    ScaledControls controls_;
    HWND picture_ = nullptr;
    bool open_ = false;
};

} // namespace corvane::win32
