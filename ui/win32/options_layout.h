#pragma once
// The options window's controls made from the design table of ui/layout.h and
// laid out at the window's DPI, and the fonts and images they share.
#include "ui/form_view.h"
#include "ui/layout.h"
#include "ui/win32/app_window.h"
#include "ui/win32/handles.h"
#include "ui/win32/scaled_controls.h"

#include <map>
#include <vector>

namespace corvane::win32 {

inline constexpr int kGeneralPage = 0;
inline constexpr int kOptionsPage = 1;

// The command identifier of a named control.
constexpr int ControlId(Ctl control) {
    return 100 + static_cast<int>(control);
}

// What the controls use at the window's DPI, owned for the window's life.
struct OptionsResources {
    // The entry list's small images; the list only borrows them.
    UniqueImageList images;
    // The buttons' pictures; the buttons only borrow them.
    std::vector<UniqueIcon> pictures;
};

struct OptionsControls {
    HWND tabs = nullptr;
    HWND list = nullptr;
    HWND preview = nullptr;
    std::map<Ctl, HWND> named;
    // Every control but the notebook, with the fonts they use.
    ScaledControls scaled;
};

// Makes the notebook with its two pages, every control in tab order, the
// entry list, the preview and the buttons' pictures, on window, laid out at
// the window's DPI.
OptionsControls CreateOptionsControls(HWND window, PageWindow (&pages)[2],
                                      OptionsResources& resources);

// Lays the made controls out again at dpi: places, fonts, the list's images
// and the buttons' pictures.
void LayOutOptionsControls(HWND window, PageWindow (&pages)[2], OptionsControls& controls,
                           OptionsResources& resources, int dpi);

} // namespace corvane::win32
