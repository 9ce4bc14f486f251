#pragma once
// Where the controls of the program's windows stand, in design units: pixels
// at 96 DPI. A window lays itself out by scaling them to its own DPI, so that
// at 96 DPI every control stands where it always stood and at 144 DPI it is
// half as large again. Fonts are named by role and sized from the system's
// message font of the window's DPI.
#include "core/design_units.h"
#include "ui/form_view.h"

#include <cstdint>
#include <span>

namespace corvane {

// How a text is drawn: bold or not, and its height in twelfths of the message
// font's (the design's text was 12 pixels high at 96 DPI).
enum class FontRole { Bold, Combo, Normal, Heading, Title };
struct FontShape {
    bool bold = false;
    int height = 0; // pixels, as a positive cell-less height (LOGFONT's -lfHeight)
    bool operator==(const FontShape&) const = default;
};
// The font of a role, from the message font's height in pixels (either sign).
FontShape FontFor(FontRole role, int messageFontHeight);

// Window styles the tables use. Their values are the system's; the window
// layer checks each against its header.
namespace style {
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kClipSiblings = 0x04000000;
inline constexpr std::uint32_t kVScroll = 0x00200000;
inline constexpr std::uint32_t kTabStop = 0x00010000;
inline constexpr std::uint32_t kClientEdge = 0x00000200; // extended
inline constexpr std::uint32_t kLeftNoWordWrap = 0x0C;   // static
inline constexpr std::uint32_t kAutoHScroll = 0x80;      // edit
inline constexpr std::uint32_t kDefPushButton = 0x01;    // button
inline constexpr std::uint32_t kAutoCheckBox = 0x03;     // button
inline constexpr std::uint32_t kDropDownList = 0x03;     // combo box
// The entry list: a list view of one column without a header, one row
// selected and shown selected without the focus, its images the window's.
inline constexpr std::uint32_t kEntryList = 0x404D;
} // namespace style

// Where a control goes: a page of the options window's notebook, or the
// window itself.
enum class Page { General, Options, Window };

// One control: its window class, text, styles, parent, place and font. A
// control the logic addresses has a name; the others (labels) have none.
struct ControlRow {
    const char* className;
    const char* text;
    std::uint32_t style;
    std::uint32_t exStyle;
    Page page;
    DesignRect rect;
    FontRole font;
    bool named = false;
    Ctl control = Ctl::PathField; // when named
};

// The options window: its client area, every control in tab order within
// each page, and the parts made apart from the table (the notebook, and the
// preview's frame and the icon inside it).
inline constexpr int kOptionsClientWidth = 490;
inline constexpr int kOptionsClientHeight = 367;
std::span<const ControlRow> OptionsControlRows();
inline constexpr DesignRect kNotebookRect{1, 4, 488, 322};
inline constexpr DesignRect kEntryListRect{8, 124, 240, 134};
inline constexpr DesignRect kPreviewFrameRect{277, 228, 44, 43};
inline constexpr DesignRect kPreviewIconRect{2, 3, 35, 32};
// The room the entry list's one column takes.
inline constexpr int kEntryColumnWidth = 200;
// The picture beside a button's caption.
inline constexpr int kButtonPictureSize = 16;

// The About window: client area and controls (the picture is the program's
// icon at the DPI's large icon size). Its labels and the welcome window's
// heading, like the options window's labels, have room below for the message
// font's line, which is taller where it links Japanese and Chinese glyphs.
inline constexpr int kAboutClientWidth = 260;
inline constexpr int kAboutClientHeight = 120;
inline constexpr DesignRect kAboutIconRect{16, 16, 32, 32};
inline constexpr DesignRect kAboutNameRect{64, 16, 180, 27};
inline constexpr DesignRect kAboutVersionRect{64, 44, 180, 17};
inline constexpr DesignRect kAboutOkRect{92, 76, 75, 28};

// The welcome window: client area, heading, the text's box and "OK".
inline constexpr int kWelcomeClientWidth = 362;
inline constexpr int kWelcomeClientHeight = 283;
inline constexpr DesignRect kWelcomeHeadingRect{8, 8, 346, 23};
inline constexpr DesignRect kWelcomeTextRect{8, 36, 346, 203};
inline constexpr DesignRect kWelcomeOkRect{143, 247, 75, 28};

} // namespace corvane
