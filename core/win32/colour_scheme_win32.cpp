#include "core/win32/colour_scheme_win32.h"

#include "core/win32/system_library.h"

namespace corvane::win32 {
namespace {

// uxtheme's functions by number, from Windows 10 1903: the mode of the
// process's menus (2 dark, 0 the system's) and a redraw of their themes.
using SetPreferredAppModeFn = int(WINAPI*)(int mode);
using FlushMenuThemesFn = void(WINAPI*)();
constexpr int kForceDark = 2;
constexpr int kDefaultMode = 0;
using DwmSetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
// Reports the true version, whatever the manifest of the running program.
using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

struct MenuModeCalls {
    SetPreferredAppModeFn setMode;
    FlushMenuThemesFn flush;
};

MenuModeCalls FindMenuModeCalls() {
    static SystemLibrary uxtheme(L"uxtheme.dll");
    return {uxtheme.Find<SetPreferredAppModeFn>(MAKEINTRESOURCEA(135)),
            uxtheme.Find<FlushMenuThemesFn>(MAKEINTRESOURCEA(136))};
}

unsigned WindowsBuild() {
    const auto getVersion = reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return getVersion && getVersion(&version) == 0 ? version.dwBuildNumber : 0;
}

bool AppsDark() {
    DWORD light = 1, size = sizeof light;
    return RegGetValueW(HKEY_CURRENT_USER,
                        L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                        L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light,
                        &size) == ERROR_SUCCESS &&
           light == 0;
}

bool HighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

BOOL CALLBACK ApplyToTitled(HWND window, LPARAM scheme) {
    if (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION)
        ApplyTitleBar(window, *reinterpret_cast<const ColourScheme*>(scheme));
    return TRUE;
}

} // namespace

ColourFacts ReadColourFacts() {
    const MenuModeCalls calls = FindMenuModeCalls();
    return {.build = WindowsBuild(),
            .appsDark = AppsDark(),
            .highContrast = HighContrast(),
            .menuModeFound = calls.setMode && calls.flush};
}

bool ApplyMenuMode(const ColourScheme& scheme) {
    const MenuModeCalls calls = FindMenuModeCalls();
    if (scheme.menuMode == MenuMode::Untouched || !calls.setMode || !calls.flush)
        return false;
    calls.setMode(scheme.menuMode == MenuMode::Dark ? kForceDark : kDefaultMode);
    calls.flush();
    return true;
}

void ApplyTitleBar(HWND window, const ColourScheme& scheme) {
    static SystemLibrary dwmapi(L"dwmapi.dll");
    if (scheme.titleBarAttribute == 0)
        return;
    const auto setAttribute = dwmapi.Find<DwmSetWindowAttributeFn>("DwmSetWindowAttribute");
    const BOOL dark = scheme.darkTitleBars;
    if (setAttribute)
        setAttribute(window, static_cast<DWORD>(scheme.titleBarAttribute), &dark, sizeof dark);
}

void ApplyTitleBars(const ColourScheme& scheme) {
    EnumThreadWindows(GetCurrentThreadId(), &ApplyToTitled, reinterpret_cast<LPARAM>(&scheme));
}

} // namespace corvane::win32
