#pragma once
// The window layer's conventions, written once:
//
// - Every window the program makes is an object derived from Window. The
//   object is passed as the creation parameter and bound to its window at
//   WM_NCCREATE; from then on every message reaches the object's member
//   HandleMessage. The binding is dropped at WM_NCDESTROY.
// - HandleMessage answers what it handles and hands everything else to
//   DefaultHandling (DefWindowProcA).
// - A handler calls into the portable logic through Guarded(), so that an
//   error never crosses the window procedure: it is shown in the general
//   error report ("Corvane Box", error icon, the message and a full stop)
//   and the program keeps running.
// - The logic never sees HWND, HICON or HMENU: handles cross as the opaque
//   references of core/handles.h (ToRef/FromRef of core/win32/handle_refs.h).
// - Every handle has one owner (core/win32/unique_handle.h). A window that owns what
//   its controls use (fonts, image lists) calls Destroy() in its own
//   destructor, so that the controls go before the members they use.
// - Keys never run menu commands: a WM_COMMAND with lParam 0 is a menu
//   command only when no key made it (see OptionsWindow::PreTranslate).
#include "core/win32/handle_refs.h"

#include <windows.h>

#include <string>

namespace corvane::win32 {

class Window {
public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    Window() = default;

    // Registers the class once per name, then creates the window bound to this.
    bool Create(const char* className, DWORD exStyle, const char* title, DWORD style, int x, int y,
                int width, int height, HWND parentOrOwner, HICON classIcon = nullptr);

    // Destroys the window now (children first), if it still exists.
    void Destroy();

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// A message box, modal to the window it speaks for: while it is up the window
// takes no click, key or dropped file. It is owned by the window while that
// shows; for a hidden or minimized window it stands alone, in front and on
// the task bar, and every window of the thread waits for it. The answer.
int ShowMessageBox(HWND window, const std::string& text, const std::string& caption, UINT type);

// Shows the general error report for an error no handler caught.
void ShowErrorReport(HWND window, const std::string& message);

// Runs a call into the logic; an error goes to the general error report,
// modal to window.
template <typename Action> void Guarded(HWND window, Action&& action) {
    try {
        action();
    } catch (const std::exception& error) {
        ShowErrorReport(window, error.what());
    }
}

} // namespace corvane::win32
