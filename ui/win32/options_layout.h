#pragma once
// The options window's controls: where each stands, on which page, with which
// text, style and font, and the fonts and image list they share.
#include "ui/form_view.h"
#include "ui/win32/app_window.h"
#include "ui/win32/handles.h"

#include <map>
#include <vector>

namespace corvane::win32 {

inline constexpr int kClientWidth = 490;
inline constexpr int kClientHeight = 367;
inline constexpr int kGeneralPage = 0;
inline constexpr int kOptionsPage = 1;

// The command identifier of a named control.
constexpr int ControlId(Ctl control) {
    return 100 + static_cast<int>(control);
}

// What the controls use, owned for the window's life.
struct OptionsResources {
    UniqueFont bold;
    UniqueFont combo;
    UniqueFont tab;
    UniqueFont system;
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
};

// Makes the notebook with its two pages, every control in tab order, the
// entry list, the preview and the buttons' pictures, on window.
OptionsControls CreateOptionsControls(HWND window, PageWindow (&pages)[2],
                                      OptionsResources& resources);

} // namespace corvane::win32
