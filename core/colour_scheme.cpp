#include "core/colour_scheme.h"

namespace corvane {
namespace {

// Windows 10's first build; the title bar's attribute took its documented
// number with 2004, and uxtheme's menu mode calls came with 1903.
constexpr unsigned kWindows10 = 10240;
constexpr unsigned kWindows10Version2004 = 19041;
constexpr unsigned kWindows10Version1903 = 18362;
constexpr int kDarkTitleBarAttribute = 20;
constexpr int kDarkTitleBarAttributeBefore2004 = 19;

} // namespace

ColourScheme ChooseColours(const ColourFacts& facts) {
    ColourScheme scheme;
    if (facts.build >= kWindows10Version2004)
        scheme.titleBarAttribute = kDarkTitleBarAttribute;
    else if (facts.build >= kWindows10)
        scheme.titleBarAttribute = kDarkTitleBarAttributeBefore2004;
    // Set back to the system's own whenever it can be: the menus may have been
    // made dark before.
    if (facts.build >= kWindows10Version1903 && facts.menuModeFound)
        scheme.menuMode = MenuMode::System;
    const bool dark = facts.appsDark && !facts.highContrast;
    scheme.darkTitleBars = dark && scheme.titleBarAttribute != 0;
    // The rows are dark only in a menu that is dark itself.
    if (dark && scheme.menuMode == MenuMode::System) {
        scheme.menuMode = MenuMode::Dark;
        scheme.palette = Palette::Dark;
    } else if (facts.highContrast) {
        scheme.palette = Palette::HighContrast;
    }
    return scheme;
}

} // namespace corvane
