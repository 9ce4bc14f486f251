#pragma once
// The owner-drawn rows of the pop-up menu as the program decides them: which
// item a request is about, how large a row is, and what a row shows where.
// The Win32 layer measures the text and paints the picture.
#include "core/colour_scheme.h"
#include "core/handles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct Extent {
    int cx = 0, cy = 0;
    bool operator==(const Extent&) const = default;
};

// Whose item a measure or draw request is about.
enum class DrawnItemKind { MenuItem, ListItem, Other };

struct DrawnItem {
    DrawnItemKind kind = DrawnItemKind::Other;
    // The item's command (menu items) or identifier.
    std::uint32_t command = 0;
    // The menu a menu item is in.
    MenuRef menu = MenuRef::None;
    // Drawn whole, not only for a change of its selection.
    bool whole = false;
    bool selected = false;
    Rect row;
    // The colours the row is drawn in.
    Palette palette = Palette::Light;
};

// The text's size in the menu's font at a DPI.
class TextMeasure {
public:
    virtual Extent Measure(std::string_view text, int dpi) = 0;

protected:
    ~TextMeasure() = default;
};

// Colours by what they paint.
enum class ColorRole { Menu, MenuText, Highlight, HighlightText, BannerBlue };

// Where a role's colour comes from in a palette: the system's colour of a
// role, or else the program's own (0xRRGGBB).
struct PaintColour {
    std::optional<ColorRole> system;
    std::uint32_t rgb = 0;
};
// Light: the system's colours but the banner's blue. High contrast: the
// system's alone, the banner in the highlight colour. Dark: the program's own.
PaintColour ColourIn(Palette palette, ColorRole role);

// One row in its palette's colours, painted in this order: the part to fill
// with the menu's colour first; the banner's band (filled with the banner
// blue) and on it the stripe bitmap copied from its top left, or instead the
// banner's text written upwards from its origin, in a font of that cell height
// and the highlight text colour; the icon; then the text at its origin on the
// opaque rectangle in the menu's font at fontDpi.
struct RowPicture {
    Palette palette = Palette::Light;
    std::optional<Rect> fill;
    std::optional<Rect> band;
    BitmapRef stripe = BitmapRef::None;
    Rect stripeAt;
    std::string bannerText;
    int bannerTextX = 0, bannerTextY = 0, bannerFontHeight = 0;
    // None: the row shows no icon.
    IconRef icon = IconRef::None;
    Rect iconAt;
    std::string text;
    int textX = 0, textY = 0;
    Rect opaque;
    ColorRole textColor = ColorRole::MenuText;
    ColorRole background = ColorRole::Menu;
    int fontDpi = 96;
};

} // namespace corvane
