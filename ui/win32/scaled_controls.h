#pragma once
// Controls that stand at design rectangles (ui/layout.h) and are laid out at
// their window's DPI, with the fonts of their roles made for that DPI.
#include "ui/layout.h"
#include "ui/win32/handles.h"

#include <array>
#include <string>
#include <vector>

namespace corvane::win32 {

class ScaledControls {
public:
    // Makes a control; it takes its place and font at the next LayOut.
    // keepSize leaves its size to the control (an icon box takes its icon's).
    HWND Add(HWND parent, const char* className, const std::string& text, DWORD style,
             DWORD exStyle, const DesignRect& rect, FontRole font, int id = 0,
             bool keepSize = false);
    // Fonts for dpi, then every control at its rectangle for dpi.
    void LayOut(int dpi);
    HFONT Font(FontRole role) const { return fonts_[static_cast<std::size_t>(role)].get(); }
    int Dpi() const { return dpi_; }

private:
    struct Placed {
        HWND control;
        DesignRect rect;
        FontRole font;
        bool keepSize;
    };
    std::vector<Placed> placed_;
    std::array<UniqueFont, 5> fonts_;
    int dpi_ = kDesignDpi;
};

// Moved to a monitor of another scale (WM_DPICHANGED): the window takes the
// rectangle the system suggests, which keeps it where the user moved it.
void TakeSuggestedRect(HWND window, const RECT& suggested);

// Gives a window the frame around a client area of these design units at dpi;
// centred on where it stood when centre is set.
void SizeWindowForDpi(HWND window, int clientWidth, int clientHeight, int dpi, bool centre = false);

} // namespace corvane::win32
