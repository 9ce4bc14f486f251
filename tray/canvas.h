#pragma once
// The drawing calls behind the owner-drawn menu rows, and owners for every
// object made while measuring or drawing one row, so that each is released
// (and each selection undone) as soon as the row is done.
#include "core/handles.h"

#include <cstdint>
#include <string_view>

namespace corvane {

// A COLORREF: 0x00BBGGRR.
using Color = std::uint32_t;
constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

enum class BrushRef : std::uintptr_t { None = 0 };
enum class FontRef : std::uintptr_t { None = 0 };
// Any object that can be selected into a device context.
enum class GdiObjectRef : std::uintptr_t { None = 0 };
inline GdiObjectRef ObjectOf(BrushRef brush) {
    return RefOf<GdiObjectRef>(RawOf(brush));
}
inline GdiObjectRef ObjectOf(BitmapRef bitmap) {
    return RefOf<GdiObjectRef>(RawOf(bitmap));
}
inline GdiObjectRef ObjectOf(FontRef font) {
    return RefOf<GdiObjectRef>(RawOf(font));
}

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct Extent {
    int cx = 0, cy = 0;
};

// System colour indices (GetSysColor).
inline constexpr int kColorMenu = 4;
inline constexpr int kColorMenuText = 7;
inline constexpr int kColorHighlight = 13;
inline constexpr int kColorHighlightText = 14;

inline constexpr std::uint32_t kSrcCopy = 0x00CC0020;
inline constexpr std::uint32_t kDiNormal = 3;
inline constexpr std::uint32_t kEtoOpaque = 2;

class Canvas {
public:
    virtual ~Canvas() = default;

    // GetDC / ReleaseDC of a window.
    virtual DeviceContextRef GetDC(WindowRef window) = 0;
    virtual void ReleaseDC(WindowRef window, DeviceContextRef dc) = 0;
    // CreateCompatibleDC / DeleteDC.
    virtual DeviceContextRef CreateCompatibleDC(DeviceContextRef dc) = 0;
    virtual void DeleteDC(DeviceContextRef dc) = 0;

    // The system's menu font at dpi, owned by the canvas: valid until a font
    // for another DPI is asked for.
    virtual FontRef MenuFont(int dpi) = 0;
    // GetTextExtentPoint32W of the UTF-8 text, with the context's current font.
    virtual Extent TextExtent(DeviceContextRef dc, std::string_view text) = 0;
    // SetTextColor / SetBkColor: each returns the colour it replaced.
    virtual Color SetTextColor(DeviceContextRef dc, Color color) = 0;
    virtual Color SetBkColor(DeviceContextRef dc, Color color) = 0;
    virtual Color GetSysColor(int index) = 0;

    // CreateSolidBrush / DeleteObject (not named DeleteBrush, a windowsx.h
    // macro).
    virtual BrushRef CreateSolidBrush(Color color) = 0;
    virtual void DeleteSolidBrush(BrushRef brush) = 0;
    // SelectObject: returns the object of the same kind it replaced.
    virtual GdiObjectRef SelectObject(DeviceContextRef dc, GdiObjectRef object) = 0;

    virtual void Rectangle(DeviceContextRef dc, int left, int top, int right, int bottom) = 0;
    virtual void BitBlt(DeviceContextRef dest, int x, int y, int width, int height,
                        DeviceContextRef source, int sourceX, int sourceY, std::uint32_t rop) = 0;
    virtual void DrawIconEx(DeviceContextRef dc, int x, int y, IconRef icon, int width, int height,
                            std::uint32_t flags) = 0;
    // ExtTextOutW of the UTF-8 text; rect may be null. (Not named ExtTextOut,
    // which windows.h turns into a macro.)
    virtual void ExtTextOutUtf8(DeviceContextRef dc, int x, int y, std::uint32_t options,
                                const Rect* rect, std::string_view text) = 0;
};

// A window's device context, given back when the owner goes.
class ScopedWindowDC {
public:
    ScopedWindowDC(Canvas& canvas, WindowRef window)
        : canvas_(canvas), window_(window), dc_(canvas.GetDC(window)) {}
    ~ScopedWindowDC() {
        if (dc_ != DeviceContextRef::None)
            canvas_.ReleaseDC(window_, dc_);
    }
    ScopedWindowDC(const ScopedWindowDC&) = delete;
    ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;
    DeviceContextRef get() const { return dc_; }

private:
    Canvas& canvas_;
    WindowRef window_;
    DeviceContextRef dc_;
};

// A memory device context compatible with another, deleted when it goes.
class ScopedMemoryDC {
public:
    ScopedMemoryDC(Canvas& canvas, DeviceContextRef compatibleWith)
        : canvas_(canvas), dc_(canvas.CreateCompatibleDC(compatibleWith)) {}
    ~ScopedMemoryDC() {
        if (dc_ != DeviceContextRef::None)
            canvas_.DeleteDC(dc_);
    }
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
    DeviceContextRef get() const { return dc_; }

private:
    Canvas& canvas_;
    DeviceContextRef dc_;
};

// A solid brush, deleted when it goes.
class ScopedBrush {
public:
    ScopedBrush(Canvas& canvas, Color color)
        : canvas_(canvas), brush_(canvas.CreateSolidBrush(color)) {}
    ~ScopedBrush() {
        if (brush_ != BrushRef::None)
            canvas_.DeleteSolidBrush(brush_);
    }
    ScopedBrush(const ScopedBrush&) = delete;
    ScopedBrush& operator=(const ScopedBrush&) = delete;
    BrushRef get() const { return brush_; }

private:
    Canvas& canvas_;
    BrushRef brush_;
};

// An object selected into a context; the object it replaced goes back in
// when the owner goes. Declare it after the owner of the object it selects,
// so that the object is out of the context before it is deleted.
class ScopedSelection {
public:
    ScopedSelection(Canvas& canvas, DeviceContextRef dc, GdiObjectRef object)
        : canvas_(canvas), dc_(dc), previous_(canvas.SelectObject(dc, object)) {}
    ~ScopedSelection() {
        if (previous_ != GdiObjectRef::None)
            canvas_.SelectObject(dc_, previous_);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    Canvas& canvas_;
    DeviceContextRef dc_;
    GdiObjectRef previous_;
};

// Text and background colours set for one row; the previous ones go back
// when the owner goes.
class ScopedColors {
public:
    ScopedColors(Canvas& canvas, DeviceContextRef dc, Color text, Color background)
        : canvas_(canvas), dc_(dc), text_(canvas.SetTextColor(dc, text)),
          background_(canvas.SetBkColor(dc, background)) {}
    ~ScopedColors() {
        canvas_.SetTextColor(dc_, text_);
        canvas_.SetBkColor(dc_, background_);
    }
    ScopedColors(const ScopedColors&) = delete;
    ScopedColors& operator=(const ScopedColors&) = delete;

private:
    Canvas& canvas_;
    DeviceContextRef dc_;
    Color text_;
    Color background_;
};

} // namespace corvane
