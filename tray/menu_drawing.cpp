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
// Below the entry rows, the separator takes this much before PathRecall.
constexpr int kSeparatorAllowance = 9;

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

// The PathRecall row: Explorer's small icon and its text. iconY is where the
// icon goes in the context's coordinates.
void DrawPathRecallRow(Canvas& canvas, const DrawItemRequest& request, const ScopedIcon& icon,
                       int iconY, int dpi) {
    const DeviceContextRef dc = request.hDC;
    const Rect& row = request.rcItem;
    const ScopedColors colors = RowColors(canvas, request);

    DrawIcon(canvas, dc, icon, ScaleToDpi(kPathRecallIconX, dpi), iconY,
             ScaleToDpi(kSmallIconSize, dpi));

    Rect opaque = row;
    opaque.left = row.left + ScaleToDpi(kPathRecallTextIndent, dpi);
    canvas.ExtTextOutUtf8(dc, opaque.left, row.top, kEtoOpaque, &opaque, kPathRecallText);
}

// An entry row: the entry's icon in the icon column and its description.
// itemHeight is in design units.
void DrawEntryRow(Canvas& canvas, const DrawItemRequest& request, const Entry& entry,
                  const ScopedIcon* icon, int itemHeight, int dpi) {
    const DeviceContextRef dc = request.hDC;
    const int id = static_cast<int>(request.itemID);
    const ScopedColors colors = RowColors(canvas, request);
    const int height = ScaleToDpi(itemHeight, dpi);

    // The highlight starts right of the icon column.
    Rect text = request.rcItem;
    text.left = request.rcItem.left + ScaleToDpi(itemHeight + kEntryTextGap, dpi);

    const int size = EntryIconSize(itemHeight);
    const bool small = size == kSmallIconSize;
    // A row with no icon looked up for it shows none.
    if (icon != nullptr)
        DrawIcon(canvas, dc, *icon, ScaleToDpi(kEntryIconX, dpi),
                 id * height + (small ? ScaleToDpi(kSmallIconTopOffset, dpi) : 0),
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
    if (request.itemID < kEntryCommandEnd) {
        const Entry& entry = table_.At(static_cast<int>(request.itemID));
        Extent extent;
        {
            // The window's context as the system gives it: its default font.
            ScopedWindowDC dc(canvas, window);
            if (dc.get() != DeviceContextRef::None)
                extent = canvas.TextExtent(dc.get(), entry.ToolTip);
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
    const bool entryRow = request.itemID < kEntryCommandEnd;
    const bool pathRecallRow = request.itemID == kCmdPathRecall;

    // Each entry row drawn whole repaints the band down to its own bottom; the
    // lowest one leaves the bitmap at the band's foot.
    const Banner* banner = BannerForDpi();
    if (request.CtlType == kOdtMenu && entryRow && request.hwndItem == RawOf(menu_.get()) &&
        request.itemAction == kOdaDrawEntire && request.rcItem.bottom >= Scaled(kStripeHeight))
        DrawSideBanner(canvas, request.hDC, request.rcItem.bottom, Scaled(kStripeWidth),
                       banner ? banner->bitmap.get() : BitmapRef::None,
                       banner ? banner->dpi : dpi_);

    if (request.CtlType != kOdtMenu && request.CtlType != kOdtListBox)
        return false;
    if (pathRecallRow) {
        // In pop-up mode the entry rows and the separator stand above this
        // row; otherwise it is the menu's first row and the icon sits in the
        // middle of it.
        const Rect& row = request.rcItem;
        const int iconY =
            popUp_ ? table_.Count() * Scaled(itemHeight_) + Scaled(kSeparatorAllowance)
                   : row.top + std::max(0, (row.bottom - row.top - Scaled(kSmallIconSize)) / 2);
        DrawPathRecallRow(canvas, request, explorerIcon_, iconY, dpi_);
        return true;
    }
    if (entryRow) {
        const auto slot = static_cast<std::size_t>(request.itemID);
        DrawEntryRow(canvas, request, table_.At(static_cast<int>(slot)),
                     slot < entryIcons_.size() ? &entryIcons_[slot] : nullptr, itemHeight_, dpi_);
        return true;
    }
    return false;
}

} // namespace corvane
