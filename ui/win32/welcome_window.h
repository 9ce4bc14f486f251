#pragma once
// TStartup, the first-run welcome window: made on first use, then kept.
#include "ui/win32/scaled_controls.h"
#include "core/win32/window.h"

namespace corvane::win32 {

class WelcomeWindow : public Window {
public:
    // Creates the window the first time, then shows it (not modal, on top).
    void Show(HWND owner);
    bool Exists() const { return hwnd() != nullptr; }
    ~WelcomeWindow() override { Destroy(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateWindowAndControls(HWND owner);
    void LayOut(int dpi);
    ScaledControls controls_;
    HWND box_ = nullptr;
};

} // namespace corvane::win32
