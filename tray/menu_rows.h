#pragma once
// The owner-drawn rows of the pop-up menu as the program decides them: which
// item a request is about, how large a row is, and what a row shows where.
// The Win32 layer measures the text and paints the picture.
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
};

// The text's size in the menu's font at a DPI.
class TextMeasure {
public:
    virtual Extent Measure(std::string_view text, int dpi) = 0;

protected:
    ~TextMeasure() = default;
};

// Colours by what they paint; the system's colours but the banner's blue.
enum class ColorRole { Menu, MenuText, Highlight, HighlightText, BannerBlue };

// One row, painted in this order: the banner's band (filled with the banner
// blue), the stripe bitmap copied from its top left, the icon, then the text
// at its origin on the opaque rectangle in the menu's font at fontDpi.
struct RowPicture {
    std::optional<Rect> band;
    BitmapRef stripe = BitmapRef::None;
    Rect stripeAt;
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
