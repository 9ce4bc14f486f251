#include "tray/win32/menu_painter_win32.h"

#include "core/win32/dpi_win32.h"
#include "core/win32/handle_refs.h"
#include "core/win32/unique_handle.h"
#include "core/win32/wide.h"

#include <utility>

namespace corvane::win32 {
namespace {

// Owners of the drawing objects of one measure or draw: each one gives back,
// deletes or restores what it holds when it goes, in the reverse order of
// their making (a selection goes before the object it selected is deleted).
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

struct MemoryDcTraits {
    using handle_type = HDC;
    static void Close(HDC dc) { DeleteDC(dc); }
};
// A memory context compatible with another.
using MemoryDc = UniqueHandle<MemoryDcTraits>;

// A brush or font made for one row.
struct GdiObjectTraits {
    using handle_type = HGDIOBJ;
    static void Close(HGDIOBJ object) { DeleteObject(object); }
};
using GdiObject = UniqueHandle<GdiObjectTraits>;

// An object selected into a context; the one it replaced goes back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class Colors {
public:
    Colors(HDC dc, COLORREF text, COLORREF background)
        : dc_(dc), text_(SetTextColor(dc, text)), background_(SetBkColor(dc, background)) {}
    ~Colors() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, background_);
    }
    Colors(const Colors&) = delete;
    Colors& operator=(const Colors&) = delete;

private:
    HDC dc_;
    COLORREF text_;
    COLORREF background_;
};

RECT ToRect(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// The menu's font at a DPI, or with upwardCell its bold face written upwards
// in letters of that cell height. In high contrast its letters have plain
// edges, in the text colour alone, with none of smoothing's blends.
HFONT MenuFont(int dpi, Palette palette, int upwardCell = 0) {
    LOGFONTW font = MenuFontForDpi(dpi);
    if (palette == Palette::HighContrast)
        font.lfQuality = NONANTIALIASED_QUALITY;
    if (upwardCell) {
        font.lfHeight = upwardCell, font.lfWidth = 0, font.lfWeight = FW_BOLD;
        font.lfEscapement = font.lfOrientation = 900; // tenths of a degree
    }
    return CreateFontIndirectW(&font);
}

int SystemColorIndex(ColorRole role) {
    switch (role) {
    case ColorRole::Menu:
        return COLOR_MENU;
    case ColorRole::MenuText:
        return COLOR_MENUTEXT;
    case ColorRole::Highlight:
    case ColorRole::BannerBlue:
        return COLOR_HIGHLIGHT;
    case ColorRole::HighlightText:
        break;
    }
    return COLOR_HIGHLIGHTTEXT;
}

COLORREF ColorOf(Palette palette, ColorRole role) {
    const PaintColour colour = ColourIn(palette, role);
    if (colour.system)
        return GetSysColor(SystemColorIndex(*colour.system));
    return RGB(colour.rgb >> 16 & 0xFF, colour.rgb >> 8 & 0xFF, colour.rgb & 0xFF);
}

void Fill(HDC dc, const Rect& area, COLORREF color) {
    const GdiObject brush(CreateSolidBrush(color));
    const RECT rect = ToRect(area);
    if (brush.get())
        FillRect(dc, &rect, static_cast<HBRUSH>(brush.get()));
}

// Text measured on a window's context in the menu's font.
class WindowTextMeasure : public TextMeasure {
public:
    explicit WindowTextMeasure(HWND window) : window_(window) {}
    Extent Measure(std::string_view text, int dpi) override {
        WindowDc dc(window_);
        const GdiObject font(MenuFont(dpi, Palette::Light));
        const Selection selected(dc.get(), font.get());
        SIZE size{};
        const std::wstring wide = Wide(text);
        if (dc.get())
            GetTextExtentPoint32W(dc.get(), wide.data(), static_cast<int>(wide.size()), &size);
        return Extent{size.cx, size.cy};
    }

private:
    HWND window_;
};

// The band with its text written up it, both in the palette's colours alone.
void PaintBannerText(HDC dc, const RowPicture& picture) {
    const GdiObject font(MenuFont(picture.fontDpi, picture.palette, picture.bannerFontHeight));
    const Selection selected(dc, font.get());
    const Colors colors(dc, ColorOf(picture.palette, ColorRole::HighlightText),
                        ColorOf(picture.palette, ColorRole::BannerBlue));
    const RECT band = ToRect(*picture.band);
    const std::wstring text = Wide(picture.bannerText);
    ExtTextOutW(dc, picture.bannerTextX, picture.bannerTextY, ETO_OPAQUE | ETO_CLIPPED, &band,
                text.data(), static_cast<UINT>(text.size()), nullptr);
}

void PaintBanner(HDC dc, const RowPicture& picture) {
    if (!picture.bannerText.empty())
        return PaintBannerText(dc, picture);
    {
        const GdiObject blue(CreateSolidBrush(ColorOf(picture.palette, ColorRole::BannerBlue)));
        const Selection selected(dc, blue.get());
        const Rect& band = *picture.band;
        if (blue.get())
            Rectangle(dc, band.left, band.top, band.right, band.bottom);
    }
    if (picture.stripe == BitmapRef::None)
        return;
    const MemoryDc memory(CreateCompatibleDC(dc));
    if (!memory.get())
        return;
    const Selection selected(memory.get(), FromRef<HBITMAP>(picture.stripe));
    const Rect& at = picture.stripeAt;
    BitBlt(dc, at.left, at.top, at.right - at.left, at.bottom - at.top, memory.get(), 0, 0,
           SRCCOPY);
}

void PaintRow(HDC dc, const RowPicture& picture) {
    if (picture.fill)
        Fill(dc, *picture.fill, ColorOf(picture.palette, ColorRole::Menu));
    if (picture.band)
        PaintBanner(dc, picture);
    const GdiObject font(MenuFont(picture.fontDpi, picture.palette));
    const Selection selected(dc, font.get());
    const Colors colors(dc, ColorOf(picture.palette, picture.textColor),
                        ColorOf(picture.palette, picture.background));
    if (picture.icon != IconRef::None) {
        const Rect& at = picture.iconAt;
        DrawIconEx(dc, at.left, at.top, FromRef<HICON>(picture.icon), at.right - at.left,
                   at.bottom - at.top, 0, nullptr, DI_NORMAL);
    }
    const RECT opaque = ToRect(picture.opaque);
    const std::wstring text = Wide(picture.text);
    ExtTextOutW(dc, picture.textX, picture.textY, ETO_OPAQUE, &opaque, text.data(),
                static_cast<UINT>(text.size()), nullptr);
}

DrawnItemKind KindOf(UINT controlType) {
    switch (controlType) {
    case ODT_MENU:
        return DrawnItemKind::MenuItem;
    case ODT_LISTBOX:
        return DrawnItemKind::ListItem;
    default:
        return DrawnItemKind::Other;
    }
}

} // namespace

bool MeasureMenuRow(MEASUREITEMSTRUCT& item, HWND window, const RowSizeAnswer& answer) {
    WindowTextMeasure measure(window);
    DrawnItem drawn;
    drawn.kind = KindOf(item.CtlType);
    drawn.command = item.itemID;
    const std::optional<Extent> size = answer(drawn, measure);
    if (!size)
        return false;
    item.itemWidth = static_cast<UINT>(size->cx);
    item.itemHeight = static_cast<UINT>(size->cy);
    return true;
}

bool DrawMenuRow(const DRAWITEMSTRUCT& item, const RowPictureAnswer& answer, Palette palette) {
    const DrawnItemKind kind = KindOf(item.CtlType);
    const std::optional<RowPicture> picture = answer(
        DrawnItem{.kind = kind,
                  .command = item.itemID,
                  // A menu item's hwndItem is its menu.
                  .menu = kind == DrawnItemKind::MenuItem
                              ? ToRef<MenuRef>(reinterpret_cast<HMENU>(item.hwndItem))
                              : MenuRef::None,
                  .whole = item.itemAction == ODA_DRAWENTIRE,
                  .selected = (item.itemState & ODS_SELECTED) != 0,
                  .row = {item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
                  .palette = palette});
    if (!picture)
        return false;
    PaintRow(item.hDC, *picture);
    return true;
}

std::optional<LRESULT> MenuCharResult(WPARAM wParam, LPARAM lParam,
                                      const MenuCharAnswerer& answer) {
    const MenuCharAnswer chosen = answer(static_cast<char16_t>(LOWORD(wParam)),
                                         ToRef<MenuRef>(reinterpret_cast<HMENU>(lParam)));
    switch (chosen.action) {
    case MenuCharAction::Execute:
        return MAKELRESULT(chosen.position, MNC_EXECUTE);
    case MenuCharAction::Select:
        return MAKELRESULT(chosen.position, MNC_SELECT);
    case MenuCharAction::Ignore:
        break;
    }
    return std::nullopt;
}

} // namespace corvane::win32
