#include "ui/win32/scaled_controls.h"

#include "core/win32/dpi_win32.h"
#include "core/win32/wide.h"

namespace corvane::win32 {

HWND ScaledControls::Add(HWND parent, const char* className, const std::string& text, DWORD style,
                         DWORD exStyle, const DesignRect& rect, FontRole font, int id,
                         bool keepSize) {
    HWND control = CreateWindowExW(
        exStyle, Wide(className).c_str(), Wide(text).c_str(), style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    if (control)
        placed_.push_back({control, rect, font, keepSize});
    return control;
}

void ScaledControls::LayOut(int dpi) {
    // The controls give up the old fonts before these go.
    const std::array<UniqueFont, 5> old = std::move(fonts_);
    const int message = MessageFontForDpi(dpi).lfHeight;
    for (std::size_t role = 0; role < fonts_.size(); ++role) {
        const FontShape shape = FontFor(static_cast<FontRole>(role), message);
        fonts_[role].reset(CreateMessageFont(dpi, shape.height, shape.bold));
    }
    dpi_ = dpi;
    for (const Placed& placed : placed_) {
        const DesignRect at = ScaleToDpi(placed.rect, dpi);
        SetWindowPos(placed.control, nullptr, at.x, at.y, at.width, at.height,
                     SWP_NOZORDER | SWP_NOACTIVATE | (placed.keepSize ? SWP_NOSIZE : 0));
        SendMessageW(placed.control, WM_SETFONT, reinterpret_cast<WPARAM>(Font(placed.font)), TRUE);
    }
}

void TakeSuggestedRect(HWND window, const RECT& suggested) {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SizeWindowForDpi(HWND window, int clientWidth, int clientHeight, int dpi, bool centre) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    RECT frame{0, 0, ScaleToDpi(clientWidth, dpi), ScaleToDpi(clientHeight, dpi)};
    AdjustFrameForDpi(frame, style, exStyle, dpi);
    RECT now{};
    GetWindowRect(window, &now);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int x = centre ? (now.left + now.right - width) / 2 : now.left;
    const int y = centre ? (now.top + now.bottom - height) / 2 : now.top;
    SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace corvane::win32
