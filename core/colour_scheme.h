#pragma once
// The colours the program paints in and the system's dark-mode calls it makes,
// chosen from what the system says of its look: high contrast always wins;
// then the user's choice of dark apps, where the Windows build has the calls
// that make the program's title bars and menus dark.
namespace corvane {

// What the system says of its look.
struct ColourFacts {
    // The Windows build number (7601 for Windows 7 SP1, 19041 for Windows 10 2004).
    unsigned build = 0;
    // The user's apps are dark (AppsUseLightTheme 0).
    bool appsDark = false;
    bool highContrast = false;
    // uxtheme has the two functions, known by their numbers only, that set the
    // mode of the program's menus.
    bool menuModeFound = false;
};

// The colours of the pop-up menu's owner-drawn rows: the system's with the
// program's blue banner, the system's alone, or the program's own dark ones.
enum class Palette { Light, HighContrast, Dark };

// The mode of the program's pop-up menus: left alone (the build or uxtheme has
// no such call), the system's own, or dark.
enum class MenuMode { Untouched, System, Dark };

struct ColourScheme {
    Palette palette = Palette::Light;
    // DwmSetWindowAttribute's attribute that makes a title bar dark on this
    // build; 0: the build has none and nothing is set.
    int titleBarAttribute = 0;
    bool darkTitleBars = false;
    MenuMode menuMode = MenuMode::Untouched;
};

ColourScheme ChooseColours(const ColourFacts& facts);

} // namespace corvane
