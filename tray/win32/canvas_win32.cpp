#include "tray/win32/canvas_win32.h"

#include <windows.h>

#include <atomic>

namespace corvane::win32 {
namespace {

std::atomic<long> liveDcs{0};
std::atomic<long> liveBrushes{0};

HDC Dc(DeviceContextRef dc) {
    return reinterpret_cast<HDC>(RawOf(dc));
}
DeviceContextRef DcRef(HDC dc) {
    return RefOf<DeviceContextRef>(reinterpret_cast<std::uintptr_t>(dc));
}

} // namespace

DeviceContextRef Win32Canvas::GetDC(WindowRef window) {
    HDC dc = ::GetDC(reinterpret_cast<HWND>(RawOf(window)));
    if (dc)
        ++liveDcs;
    return DcRef(dc);
}

void Win32Canvas::ReleaseDC(WindowRef window, DeviceContextRef dc) {
    if (::ReleaseDC(reinterpret_cast<HWND>(RawOf(window)), Dc(dc)))
        --liveDcs;
}

DeviceContextRef Win32Canvas::CreateCompatibleDC(DeviceContextRef dc) {
    HDC memory = ::CreateCompatibleDC(Dc(dc));
    if (memory)
        ++liveDcs;
    return DcRef(memory);
}

void Win32Canvas::DeleteDC(DeviceContextRef dc) {
    if (::DeleteDC(Dc(dc)))
        --liveDcs;
}

Extent Win32Canvas::TextExtent(DeviceContextRef dc, std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(Dc(dc), text.data(), static_cast<int>(text.size()), &size);
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
    HBRUSH brush = ::CreateSolidBrush(color);
    if (brush)
        ++liveBrushes;
    return RefOf<BrushRef>(reinterpret_cast<std::uintptr_t>(brush));
}

void Win32Canvas::DeleteSolidBrush(BrushRef brush) {
    if (DeleteObject(reinterpret_cast<HGDIOBJ>(RawOf(brush))))
        --liveBrushes;
}

GdiObjectRef Win32Canvas::SelectObject(DeviceContextRef dc, GdiObjectRef object) {
    HGDIOBJ previous = ::SelectObject(Dc(dc), reinterpret_cast<HGDIOBJ>(RawOf(object)));
    return RefOf<GdiObjectRef>(reinterpret_cast<std::uintptr_t>(previous));
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
    ::DrawIconEx(Dc(dc), x, y, reinterpret_cast<HICON>(RawOf(icon)), width, height, 0, nullptr,
                 flags);
}

void Win32Canvas::ExtTextOutAnsi(DeviceContextRef dc, int x, int y, std::uint32_t options,
                                 const Rect* rect, std::string_view text) {
    RECT r{};
    if (rect)
        r = RECT{rect->left, rect->top, rect->right, rect->bottom};
    ExtTextOutA(Dc(dc), x, y, options, rect ? &r : nullptr, text.data(),
                static_cast<UINT>(text.size()), nullptr);
}

long Win32Canvas::LiveDeviceContexts() {
    return liveDcs.load();
}
long Win32Canvas::LiveBrushes() {
    return liveBrushes.load();
}

} // namespace corvane::win32
