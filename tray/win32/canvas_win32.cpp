#include "tray/win32/canvas_win32.h"

#include "core/win32/dpi_win32.h"
#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"
#include "tray/owner_draw.h"

namespace corvane::win32 {
namespace {

static_assert(kColorMenu == COLOR_MENU && kColorMenuText == COLOR_MENUTEXT &&
              kColorHighlight == COLOR_HIGHLIGHT && kColorHighlightText == COLOR_HIGHLIGHTTEXT);
static_assert(kSrcCopy == SRCCOPY && kDiNormal == DI_NORMAL && kEtoOpaque == ETO_OPAQUE);
static_assert(kOdtMenu == ODT_MENU && kOdtListBox == ODT_LISTBOX &&
              kOdaDrawEntire == ODA_DRAWENTIRE && kOdsSelected == ODS_SELECTED);
static_assert(Rgb(1, 2, 3) == RGB(1, 2, 3));

HDC Dc(DeviceContextRef dc) {
    return FromRef<HDC>(dc);
}
DeviceContextRef DcRef(HDC dc) {
    return ToRef<DeviceContextRef>(dc);
}

} // namespace

Win32Canvas::~Win32Canvas() {
    if (menuFont_)
        DeleteObject(menuFont_);
}

FontRef Win32Canvas::MenuFont(int dpi) {
    if (!menuFont_ || menuFontDpi_ != dpi) {
        LOGFONTW font = MenuFontForDpi(dpi);
        if (HFONT made = CreateFontIndirectW(&font)) {
            if (menuFont_)
                DeleteObject(menuFont_);
            menuFont_ = made, menuFontDpi_ = dpi;
        }
    }
    return ToRef<FontRef>(menuFont_);
}

DeviceContextRef Win32Canvas::GetDC(WindowRef window) {
    return DcRef(::GetDC(FromRef<HWND>(window)));
}

void Win32Canvas::ReleaseDC(WindowRef window, DeviceContextRef dc) {
    ::ReleaseDC(FromRef<HWND>(window), Dc(dc));
}

DeviceContextRef Win32Canvas::CreateCompatibleDC(DeviceContextRef dc) {
    return DcRef(::CreateCompatibleDC(Dc(dc)));
}

void Win32Canvas::DeleteDC(DeviceContextRef dc) {
    ::DeleteDC(Dc(dc));
}

Extent Win32Canvas::TextExtent(DeviceContextRef dc, std::string_view text) {
    SIZE size{};
    const std::wstring wide = Wide(text);
    GetTextExtentPoint32W(Dc(dc), wide.data(), static_cast<int>(wide.size()), &size);
    return Extent{size.cx, size.cy};
}

Color Win32Canvas::SetTextColor(DeviceContextRef dc, Color color) {
    return ::SetTextColor(Dc(dc), color);
}

Color Win32Canvas::SetBkColor(DeviceContextRef dc, Color color) {
    return ::SetBkColor(Dc(dc), color);
}

Color Win32Canvas::GetSysColor(int index) {
    return ::GetSysColor(index);
}

BrushRef Win32Canvas::CreateSolidBrush(Color color) {
    return ToRef<BrushRef>(::CreateSolidBrush(color));
}

void Win32Canvas::DeleteSolidBrush(BrushRef brush) {
    DeleteObject(FromRef<HGDIOBJ>(brush));
}

GdiObjectRef Win32Canvas::SelectObject(DeviceContextRef dc, GdiObjectRef object) {
    return ToRef<GdiObjectRef>(::SelectObject(Dc(dc), FromRef<HGDIOBJ>(object)));
}

void Win32Canvas::Rectangle(DeviceContextRef dc, int left, int top, int right, int bottom) {
    ::Rectangle(Dc(dc), left, top, right, bottom);
}

void Win32Canvas::BitBlt(DeviceContextRef dest, int x, int y, int width, int height,
                         DeviceContextRef source, int sourceX, int sourceY, std::uint32_t rop) {
    ::BitBlt(Dc(dest), x, y, width, height, Dc(source), sourceX, sourceY, rop);
}

void Win32Canvas::DrawIconEx(DeviceContextRef dc, int x, int y, IconRef icon, int width, int height,
                             std::uint32_t flags) {
    ::DrawIconEx(Dc(dc), x, y, FromRef<HICON>(icon), width, height, 0, nullptr, flags);
}

void Win32Canvas::ExtTextOutUtf8(DeviceContextRef dc, int x, int y, std::uint32_t options,
                                 const Rect* rect, std::string_view text) {
    RECT r{};
    if (rect)
        r = RECT{rect->left, rect->top, rect->right, rect->bottom};
    const std::wstring wide = Wide(text);
    ExtTextOutW(Dc(dc), x, y, options, rect ? &r : nullptr, wide.data(),
                static_cast<UINT>(wide.size()), nullptr);
}

} // namespace corvane::win32
