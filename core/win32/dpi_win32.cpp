#include "core/win32/dpi_win32.h"

#include "core/win32/system_library.h"

namespace corvane::win32 {
namespace {

// SystemParametersInfoForDpi takes SPI_GETNONCLIENTMETRICS as it is.
constexpr UINT kSpiGetNonClientMetrics = SPI_GETNONCLIENTMETRICS;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

SystemLibrary& User32() {
    static SystemLibrary library(L"user32.dll");
    return library;
}

// Found once; null on a system without it.
template <typename Function> Function Find(const char* name) {
    return User32().Find<Function>(name);
}

int ScaleFromSystem(int value, int dpi) {
    return MulDiv(value, dpi, SystemDpi());
}

} // namespace

int SystemDpi() {
    static const GetDpiForSystemFn forSystem = Find<GetDpiForSystemFn>("GetDpiForSystem");
    if (forSystem)
        return static_cast<int>(forSystem());
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int MonitorDpi(HMONITOR monitor) {
    // In shcore.dll from Windows 8.1 on; MDT_EFFECTIVE_DPI is 0.
    static SystemLibrary shcore(L"shcore.dll");
    static const GetDpiForMonitorFn forMonitor =
        shcore.Find<GetDpiForMonitorFn>("GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (forMonitor && monitor && SUCCEEDED(forMonitor(monitor, 0, &x, &y)) && y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}

int WindowDpi(HWND window) {
    static const GetDpiForWindowFn forWindow = Find<GetDpiForWindowFn>("GetDpiForWindow");
    const UINT dpi = forWindow && window ? forWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

int MetricForDpi(int index, int dpi) {
    static const GetSystemMetricsForDpiFn forDpi =
        Find<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, static_cast<UINT>(dpi));
    return ScaleFromSystem(GetSystemMetrics(index), dpi);
}

// A font of the non-client metrics at dpi.
LOGFONTW NonClientFont(int dpi, LOGFONTW NONCLIENTMETRICSW::*member) {
    static const SystemParametersInfoForDpiFn forDpi =
        Find<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi &&
        forDpi(kSpiGetNonClientMetrics, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return metrics.*member;
    if (SystemParametersInfoW(kSpiGetNonClientMetrics, sizeof metrics, &metrics, 0)) {
        (metrics.*member).lfHeight = ScaleFromSystem((metrics.*member).lfHeight, dpi);
        return metrics.*member;
    }
    // No answer at all: the system's own default face at its default size.
    LOGFONTW font{};
    font.lfHeight = -MulDiv(8, dpi, 72);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"MS Shell Dlg", LF_FACESIZE);
    return font;
}

LOGFONTW MessageFontForDpi(int dpi) {
    return NonClientFont(dpi, &NONCLIENTMETRICSW::lfMessageFont);
}

LOGFONTW MenuFontForDpi(int dpi) {
    return NonClientFont(dpi, &NONCLIENTMETRICSW::lfMenuFont);
}

void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    static const AdjustWindowRectExForDpiFn forDpi =
        Find<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (!forDpi || !forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

HFONT CreateMessageFont(int dpi, int height, bool bold) {
    LOGFONTW font = MessageFontForDpi(dpi);
    font.lfHeight = -height;
    font.lfWidth = 0;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    return CreateFontIndirectW(&font);
}

} // namespace corvane::win32
