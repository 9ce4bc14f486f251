#pragma once
// TStartup, the first-run welcome window: made on first use, then kept.
#include "ui/win32/handles.h"
#include "ui/win32/window.h"

namespace corvane::win32 {

class WelcomeWindow : public Window {
public:
    // Creates the window the first time, then shows it (not modal, on top).
    void Show(HWND owner);
    bool Exists() const { return hwnd() != nullptr; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateWindowAndControls(HWND owner);
    UniqueFont headingFont_;
    UniqueFont textFont_;
};

// The text of the welcome window's box, line by line.
extern const char* const kWelcomeLines[];
extern const int kWelcomeLineCount;

} // namespace corvane::win32
