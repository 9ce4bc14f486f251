#pragma once
// The drawing calls on a real device context.
#include "tray/canvas.h"

#include <windows.h>

namespace corvane::win32 {

class Win32Canvas : public Canvas {
public:
    Win32Canvas() = default;
    ~Win32Canvas() override;
    Win32Canvas(const Win32Canvas&) = delete;
    Win32Canvas& operator=(const Win32Canvas&) = delete;

    FontRef MenuFont(int dpi) override;
    DeviceContextRef GetDC(WindowRef window) override;
    void ReleaseDC(WindowRef window, DeviceContextRef dc) override;
    DeviceContextRef CreateCompatibleDC(DeviceContextRef dc) override;
    void DeleteDC(DeviceContextRef dc) override;
    Extent TextExtent(DeviceContextRef dc, std::string_view text) override;
    Color SetTextColor(DeviceContextRef dc, Color color) override;
    Color SetBkColor(DeviceContextRef dc, Color color) override;
    Color GetSysColor(int index) override;
    BrushRef CreateSolidBrush(Color color) override;
    void DeleteSolidBrush(BrushRef brush) override;
    GdiObjectRef SelectObject(DeviceContextRef dc, GdiObjectRef object) override;
    void Rectangle(DeviceContextRef dc, int left, int top, int right, int bottom) override;
    void BitBlt(DeviceContextRef dest, int x, int y, int width, int height, DeviceContextRef source,
                int sourceX, int sourceY, std::uint32_t rop) override;
    void DrawIconEx(DeviceContextRef dc, int x, int y, IconRef icon, int width, int height,
                    std::uint32_t flags) override;
    void ExtTextOutUtf8(DeviceContextRef dc, int x, int y, std::uint32_t options, const Rect* rect,
                        std::string_view text) override;

private:
    HFONT menuFont_ = nullptr;
    int menuFontDpi_ = 0;
};

} // namespace corvane::win32
