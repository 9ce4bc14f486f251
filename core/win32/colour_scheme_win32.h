#pragma once
// The system's look as the colour choice (core/colour_scheme.h) needs it, and
// the choice carried out: the program's menus' mode and its title bars.
#include "core/colour_scheme.h"

#include <windows.h>

namespace corvane::win32 {

// What the system says of its look now.
ColourFacts ReadColourFacts();
// The scheme for the system's look now.
inline ColourScheme CurrentColourScheme() {
    return ChooseColours(ReadColourFacts());
}

// Sets the mode of the program's pop-up menus as the scheme says, through
// uxtheme's SetPreferredAppMode and FlushMenuThemes; false when the scheme
// leaves them alone or uxtheme has no such functions (nothing is called).
bool ApplyMenuMode(const ColourScheme& scheme);
// Makes a window's title bar dark or not as the scheme says; nothing on a
// build that has no attribute for it.
void ApplyTitleBar(HWND window, const ColourScheme& scheme);
// The same for every window of this thread that has a title bar.
void ApplyTitleBars(const ColourScheme& scheme);

} // namespace corvane::win32
