#include "core/win32/window.h"

#include "core/win32/wide.h"
#include "core/text.h"

namespace corvane::win32 {

Window::~Window() {
    if (hwnd_) {
        // The object is going: no message reaches it any more.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Window::Destroy() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool Window::Create(const char* className, DWORD exStyle, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parentOrOwner, HICON classIcon) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring wideClass = Wide(className);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(instance, wideClass.c_str(), &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &Window::Procedure;
        wc.hInstance = instance;
        wc.hIcon = classIcon;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = wideClass.c_str();
        if (!RegisterClassExW(&wc))
            return false;
    }
    return CreateWindowExW(exStyle, wideClass.c_str(), Wide(title).c_str(), style, x, y, width,
                           height, parentOrOwner, nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Window*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

int ShowMessageBox(HWND window, const std::string& text, const std::string& caption, UINT type) {
    // A box owned by a hidden window would show on no task bar, and one owned
    // by a minimized window not at all.
    const bool shown = window && IsWindowVisible(window) && !IsIconic(window);
    return MessageBoxW(shown ? window : nullptr, Wide(text).c_str(), Wide(caption).c_str(),
                       type | MB_SETFOREGROUND | (shown ? 0 : MB_TASKMODAL));
}

void ShowErrorReport(HWND window, const std::string& message) {
    ShowMessageBox(window, ErrorReportText(message), kApplicationTitle, MB_OK | MB_ICONERROR);
}

} // namespace corvane::win32
