// Measuring and drawing the owner-drawn rows of the pop-up launcher menu, and
// looking up their icons when the menu is built. The rows carry no data: they
// are measured and drawn from the entry table as it stands when the request
// comes, with the icons looked up for it. Every size below is in design units,
// scaled to the DPI the menu opens at.
#include "core/environment.h"
#include "tray/menu_commands.h"
#include "tray/popup_menu.h"
#include "tray/tray_icons.h"

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
constexpr Color kBannerBlue = Rgb(0, 0, 255);

// The blue band down the left edge from the menu's top to this row's bottom,
// width wide, with the stripe drawn for stripeDpi standing on the row's
// bottom edge at its own size.
void DrawSideBanner(Canvas& canvas, DeviceContextRef dc, int bottom, int width, BitmapRef stripe,
                    int stripeDpi) {
    {
        ScopedBrush blue(canvas, kBannerBlue);
        if (blue.get() != BrushRef::None) {
            ScopedSelection selected(canvas, dc, ObjectOf(blue.get()));
            canvas.Rectangle(dc, 0, 0, width, bottom);
        }
    }
    if (stripe == BitmapRef::None)
        return;
    ScopedMemoryDC memory(canvas, dc);
    if (memory.get() == DeviceContextRef::None)
        return;
    ScopedSelection selected(canvas, memory.get(), ObjectOf(stripe));
    const int height = ScaleToDpi(kStripeHeight, stripeDpi);
    canvas.BitBlt(dc, 0, bottom - height, ScaleToDpi(kStripeWidth, stripeDpi), height, memory.get(),
                  0, 0, kSrcCopy);
}

ScopedColors RowColors(Canvas& canvas, const DrawItemRequest& request) {
    const bool selected = (request.itemState & kOdsSelected) != 0;
    return ScopedColors(canvas, request.hDC,
                        canvas.GetSysColor(selected ? kColorHighlightText : kColorMenuText),
                        canvas.GetSysColor(selected ? kColorHighlight : kColorMenu));
}

void DrawIcon(Canvas& canvas, DeviceContextRef dc, const ScopedIcon& icon, int x, int y, int size) {
    // A file the shell cannot find leaves the row without an icon.
    if (icon.get() != IconRef::None)
        canvas.DrawIconEx(dc, x, y, icon.get(), size, size, kDiNormal);
}

// The entry rows' icon size for their height, in design units.
int EntryIconSize(int itemHeight) {
    return itemHeight < kLargeIconSize ? kSmallIconSize : kLargeIconSize;
}

// The PathRecall row: Explorer's small icon in the middle of the row's
// height, and its text.
void DrawPathRecallRow(Canvas& canvas, const DrawItemRequest& request, const ScopedIcon& icon,
                       int dpi) {
    const DeviceContextRef dc = request.hDC;
    const Rect& row = request.rcItem;
    const ScopedColors colors = RowColors(canvas, request);

    const int size = ScaleToDpi(kSmallIconSize, dpi);
    DrawIcon(canvas, dc, icon, ScaleToDpi(kPathRecallIconX, dpi),
             row.top + std::max(0, (row.bottom - row.top - size) / 2), size);

    Rect opaque = row;
    opaque.left = row.left + ScaleToDpi(kPathRecallTextIndent, dpi);
    canvas.ExtTextOutUtf8(dc, opaque.left, row.top, kEtoOpaque, &opaque, kPathRecallText);
}

// An entry row: the entry's icon in the icon column and its description.
// itemHeight is in design units.
void DrawEntryRow(Canvas& canvas, const DrawItemRequest& request, const Entry& entry,
                  const ScopedIcon* icon, int itemHeight, int dpi) {
    const DeviceContextRef dc = request.hDC;
    const ScopedColors colors = RowColors(canvas, request);
    const int height = ScaleToDpi(itemHeight, dpi);

    // The highlight starts right of the icon column.
    Rect text = request.rcItem;
    text.left = request.rcItem.left + ScaleToDpi(itemHeight + kEntryTextGap, dpi);

    const int size = EntryIconSize(itemHeight);
    const bool small = size == kSmallIconSize;
    // A row with no icon looked up for it shows none. The icon stands at the
    // row's top, as its text does, however tall the font makes the row.
    if (icon != nullptr)
        DrawIcon(canvas, dc, *icon, ScaleToDpi(kEntryIconX, dpi),
                 request.rcItem.top + (small ? ScaleToDpi(kSmallIconTopOffset, dpi) : 0),
                 ScaleToDpi(size, dpi));

    canvas.ExtTextOutUtf8(dc, text.left + ScaleToDpi(kEntryTextIndent, dpi), text.top + height / 4,
                          kEtoOpaque, &text, entry.ToolTip);
}

} // namespace

void PopupMenu::LookUpEntryIcons() {
    entryIcons_.clear();
    if (!popUp_)
        return;
    const bool small = EntryIconSize(itemHeight_) == kSmallIconSize;
    for (int i = 0; i < table_.Count(); ++i)
        entryIcons_.emplace_back(
            shellIcons_, GetSystemImageIcon(
                             shellIcons_, ExpandVariables(system_, table_.At(i).IconPath), small));
}

void PopupMenu::LookUpExplorerIcon() {
    explorerIcon_ = ScopedIcon(shellIcons_, GetSystemImageIcon(shellIcons_, explorerPath_, true));
}

bool PopupMenu::Measure(Canvas& canvas, WindowRef window, MeasureItemRequest& request) const {
    if (request.CtlType != kOdtMenu)
        return false;
    if (const std::optional<int> slot = EntrySlotOfCommand(request.itemID)) {
        const Entry& entry = table_.At(*slot);
        Extent extent;
        {
            // In the menu's font at the menu's DPI, as the row is drawn.
            ScopedWindowDC dc(canvas, window);
            if (dc.get() != DeviceContextRef::None) {
                ScopedSelection font(canvas, dc.get(), ObjectOf(canvas.MenuFont(dpi_)));
                extent = canvas.TextExtent(dc.get(), entry.ToolTip);
            }
        }
        request.itemWidth =
            static_cast<std::uint32_t>(extent.cx + Scaled(itemHeight_ + kEntryExtraWidth));
        request.itemHeight = static_cast<std::uint32_t>(std::max(Scaled(itemHeight_), extent.cy));
        return true;
    }
    if (request.itemID == kCmdPathRecall) {
        request.itemWidth = static_cast<std::uint32_t>(Scaled(kPathRecallWidth));
        request.itemHeight = static_cast<std::uint32_t>(Scaled(kPathRecallHeight));
        return true;
    }
    return false;
}

bool PopupMenu::Draw(Canvas& canvas, const DrawItemRequest& request) const {
    const std::optional<int> slot = EntrySlotOfCommand(request.itemID);

    // Each entry row drawn whole repaints the band down to its own bottom; the
    // lowest one leaves the bitmap at the band's foot.
    const Banner* banner = BannerForDpi();
    if (request.CtlType == kOdtMenu && slot && request.hwndItem == RawOf(menu_.get()) &&
        request.itemAction == kOdaDrawEntire && request.rcItem.bottom >= Scaled(kStripeHeight))
        DrawSideBanner(canvas, request.hDC, request.rcItem.bottom, Scaled(kStripeWidth),
                       banner ? banner->bitmap.get() : BitmapRef::None,
                       banner ? banner->dpi : dpi_);

    if (request.CtlType != kOdtMenu && request.CtlType != kOdtListBox)
        return false;
    if (!slot && request.itemID != kCmdPathRecall)
        return false;
    // The text in the font the row was measured in.
    const ScopedSelection font(canvas, request.hDC, ObjectOf(canvas.MenuFont(dpi_)));
    if (!slot) {
        DrawPathRecallRow(canvas, request, explorerIcon_, dpi_);
        return true;
    }
    const auto at = static_cast<std::size_t>(*slot);
    DrawEntryRow(canvas, request, table_.At(*slot),
                 at < entryIcons_.size() ? &entryIcons_[at] : nullptr, itemHeight_, dpi_);
    return true;
}

} // namespace corvane
