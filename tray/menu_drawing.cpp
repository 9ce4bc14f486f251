// Measuring and picturing the owner-drawn rows of the pop-up launcher menu,
// and looking up their icons when the menu is built. The rows' data is only
// their spoken names: they are measured and pictured from the entry table as it stands when the
// request comes, with the icons looked up for it. Every size below is in
// design units, scaled to the DPI the menu opens at.
#include "core/environment.h"
#include "core/product_version.h"
#include "tray/menu_commands.h"
#include "tray/popup_menu.h"

#include <algorithm>
#include <optional>
#include <string>

namespace corvane {
namespace {

constexpr int kSmallIconSize = 16;
constexpr int kLargeIconSize = 32;

// The PathRecall row.
constexpr int kPathRecallWidth = 40;
constexpr int kPathRecallHeight = 16;
constexpr int kPathRecallIconX = 2;
constexpr int kPathRecallTextIndent = 22;

// Entry rows: icon column, gap before the text, and room after it.
constexpr int kEntryIconX = 22;
constexpr int kEntryTextGap = 20;
constexpr int kEntryTextIndent = 5;
constexpr int kEntryExtraWidth = 15;
constexpr int kSmallIconTopOffset = 3;

// The side banner: the STRIPE bitmap at the foot of a blue band. A bitmap
// drawn for a DPI is this size scaled to it.
constexpr int kStripeWidth = 20;
constexpr int kStripeHeight = 154;
// In high contrast the band shows the program's name instead, written up the
// band from above its foot, the letters' cell as wide as this.
constexpr int kBannerFontHeight = 16;
constexpr int kBannerTextFoot = 6;

// The program's dark rows: white text on the greys of dark menus.
constexpr std::uint32_t kDarkMenu = 0x2B2B2B;
constexpr std::uint32_t kDarkHighlight = 0x414141;
constexpr std::uint32_t kDarkText = 0xFFFFFF;
constexpr std::uint32_t kBannerBlue = 0x0000FF;

// The entry rows' icon size for their height, in design units.
int EntryIconSize(int itemHeight) {
    return itemHeight < kLargeIconSize ? kSmallIconSize : kLargeIconSize;
}

Rect Square(int x, int y, int size) {
    return {x, y, x + size, y + size};
}

// The PathRecall row: Explorer's small icon in the middle of the row's
// height, and its text.
void PicturePathRecallRow(RowPicture& picture, const Rect& row, int dpi) {
    const int size = ScaleToDpi(kSmallIconSize, dpi);
    picture.iconAt = Square(ScaleToDpi(kPathRecallIconX, dpi),
                            row.top + std::max(0, (row.bottom - row.top - size) / 2), size);
    picture.text = kPathRecallText;
    picture.opaque = row;
    picture.opaque.left = row.left + ScaleToDpi(kPathRecallTextIndent, dpi);
    picture.textX = picture.opaque.left;
    picture.textY = row.top;
}

// An entry row: the entry's icon in the icon column and its description.
// itemHeight is in design units.
void PictureEntryRow(RowPicture& picture, const Rect& row, const Entry& entry, int itemHeight,
                     int dpi) {
    const int size = EntryIconSize(itemHeight);
    // The icon stands at the row's top, as its text does, however tall the
    // font makes the row.
    const int iconTop =
        row.top + (size == kSmallIconSize ? ScaleToDpi(kSmallIconTopOffset, dpi) : 0);
    picture.iconAt = Square(ScaleToDpi(kEntryIconX, dpi), iconTop, ScaleToDpi(size, dpi));
    // The highlight starts right of the icon column.
    picture.opaque = row;
    picture.opaque.left = row.left + ScaleToDpi(itemHeight + kEntryTextGap, dpi);
    picture.text = entry.description;
    picture.textX = picture.opaque.left + ScaleToDpi(kEntryTextIndent, dpi);
    picture.textY = row.top + ScaleToDpi(itemHeight, dpi) / 4;
}

// The band's text in high contrast, centred across it.
void PictureBannerText(RowPicture& picture, int dpi) {
    const Rect& band = *picture.band;
    picture.bannerText = kProductNameAndVersion;
    picture.bannerFontHeight = ScaleToDpi(kBannerFontHeight, dpi);
    picture.bannerTextX = band.left + (band.right - band.left - picture.bannerFontHeight) / 2;
    picture.bannerTextY = band.bottom - ScaleToDpi(kBannerTextFoot, dpi);
}

} // namespace

PaintColour ColourIn(Palette palette, ColorRole role) {
    if (role == ColorRole::BannerBlue)
        return palette == Palette::HighContrast ? PaintColour{ColorRole::Highlight}
                                                : PaintColour{std::nullopt, kBannerBlue};
    if (palette != Palette::Dark)
        return {role};
    switch (role) {
    case ColorRole::Menu:
        return {std::nullopt, kDarkMenu};
    case ColorRole::Highlight:
        return {std::nullopt, kDarkHighlight};
    default:
        return {std::nullopt, kDarkText};
    }
}

void PopupMenu::LookUpEntryIcons() {
    entryIcons_.clear();
    if (!popUp_)
        return;
    const IconSize size =
        EntryIconSize(itemHeight_) == kSmallIconSize ? IconSize::Small : IconSize::Large;
    for (int i = 0; i < table_.Count(); ++i)
        entryIcons_.push_back(
            fileIcons_.ListIcon(ExpandVariables(system_, table_.At(i).iconPath), size));
}

void PopupMenu::LookUpExplorerIcon() {
    explorerIcon_ = fileIcons_.ListIcon(explorerPath_, IconSize::Small);
}

std::optional<Extent> PopupMenu::Measure(const DrawnItem& item, TextMeasure& measure) const {
    if (item.kind != DrawnItemKind::MenuItem)
        return std::nullopt;
    if (const std::optional<int> slot = EntrySlotOfCommand(item.command)) {
        // In the menu's font at the menu's DPI, as the row is drawn.
        const Extent text = measure.Measure(table_.At(*slot).description, dpi_);
        return Extent{text.cx + Scaled(itemHeight_ + kEntryExtraWidth),
                      std::max(Scaled(itemHeight_), text.cy)};
    }
    if (item.command == kCmdPathRecall)
        return Extent{Scaled(kPathRecallWidth), Scaled(kPathRecallHeight)};
    return std::nullopt;
}

std::optional<RowPicture> PopupMenu::Picture(const DrawnItem& item) const {
    if (item.kind == DrawnItemKind::Other)
        return std::nullopt;
    const std::optional<int> slot = EntrySlotOfCommand(item.command);
    if (!slot && item.command != kCmdPathRecall)
        return std::nullopt;
    RowPicture picture;
    picture.palette = item.palette;
    picture.fontDpi = dpi_;
    // A dark row covers the light menu it may be in, but for the banner's
    // column of an entry row.
    if (item.palette == Palette::Dark) {
        picture.fill = item.row;
        if (slot)
            picture.fill->left = std::max(item.row.left, Scaled(kStripeWidth));
    }
    picture.textColor = item.selected ? ColorRole::HighlightText : ColorRole::MenuText;
    picture.background = item.selected ? ColorRole::Highlight : ColorRole::Menu;
    if (!slot) {
        picture.icon = explorerIcon_.get();
        PicturePathRecallRow(picture, item.row, dpi_);
        return picture;
    }
    // Each entry row of this menu drawn whole repaints the band down to its
    // own bottom; the lowest one leaves the bitmap at the band's foot.
    if (item.kind == DrawnItemKind::MenuItem && item.menu == menu_.get() && item.whole &&
        item.row.bottom >= Scaled(kStripeHeight)) {
        picture.band = Rect{0, 0, Scaled(kStripeWidth), item.row.bottom};
        if (item.palette == Palette::HighContrast) {
            PictureBannerText(picture, dpi_);
        } else if (const Banner* banner = BannerForDpi()) {
            const int height = ScaleToDpi(kStripeHeight, banner->dpi);
            picture.stripe = banner->bitmap.get();
            picture.stripeAt = {0, item.row.bottom - height, ScaleToDpi(kStripeWidth, banner->dpi),
                                item.row.bottom};
        }
    }
    // A row with no icon looked up for it shows none.
    const auto at = static_cast<std::size_t>(*slot);
    if (at < entryIcons_.size())
        picture.icon = entryIcons_[at].get();
    PictureEntryRow(picture, item.row, table_.At(*slot), itemHeight_, dpi_);
    return picture;
}

} // namespace corvane
