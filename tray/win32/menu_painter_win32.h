#pragma once
// The pop-up menu's owner-drawn rows on real menus: each window message turned
// into the program's request, and its answer measured with the real menu font
// or painted on the real device context.
#include "tray/menu_keys.h"
#include "tray/menu_rows.h"

#include <windows.h>

#include <functional>
#include <optional>

namespace corvane::win32 {

using RowSizeAnswer = std::function<std::optional<Extent>(const DrawnItem&, TextMeasure&)>;
using RowPictureAnswer = std::function<std::optional<RowPicture>(const DrawnItem&)>;
using MenuCharAnswerer = std::function<MenuCharAnswer(char16_t, MenuRef)>;

// WM_MEASUREITEM: the item takes the size the answer gives, its texts
// measured on the window's device context. False when the answer gives none:
// the request is left to the window's default handling.
bool MeasureMenuRow(MEASUREITEMSTRUCT& item, HWND window, const RowSizeAnswer& answer);
// WM_DRAWITEM: the picture the answer gives in the palette, painted on the
// item's context; every object made for it is deleted and every selection and
// colour undone. False when the answer gives none.
bool DrawMenuRow(const DRAWITEMSTRUCT& item, const RowPictureAnswer& answer, Palette palette);
// WM_MENUCHAR: the message's result for the answer; nothing for Ignore (the
// window's default handling).
std::optional<LRESULT> MenuCharResult(WPARAM wParam, LPARAM lParam, const MenuCharAnswerer& answer);

} // namespace corvane::win32
