#pragma once
// A TForm1 on a real options window, wired to the real Win32 implementations
// (the hook library left out), for the tests of the tray and the menu.
#include "app/win32/system_win32.h"
#include "core/win32/registry_win32.h"
#include "core/win32/shell_win32.h"
#include "tray/win32/menus_win32.h"
#include "tray/win32/shell_icons_win32.h"
#include "ui/win32/options_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

namespace corvane::win32 {

class NoHook : public HookLibrary {
public:
    void Start(WindowRef) override {}
    void Stop() override { ++stops; }
    int stops = 0;
};

class FormWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(application.Create());
        ASSERT_TRUE(options.Create(application));
        application.Attach(&options);
        form = std::make_unique<TForm1>(
            Platform{registry, shell, shellIcons, menus, options, system, hook});
        options.Attach(form.get());
    }
    void TearDown() override {
        options.Attach(nullptr);
        menus.DestroyMenu(form->MenuHandle);
        form->MenuHandle = MenuRef::None;
    }

    HWND Window() { return options.hwnd(); }

    Win32Registry registry;
    Win32Shell shell;
    Win32ShellIcons shellIcons;
    Win32Menus menus;
    Win32System system;
    NoHook hook;
    ApplicationWindow application;
    OptionsWindow options;
    std::unique_ptr<TForm1> form;
};

inline HWND HwndOf(WindowRef window) {
    return reinterpret_cast<HWND>(RawOf(window));
}
inline HICON IconOf(IconRef icon) {
    return reinterpret_cast<HICON>(RawOf(icon));
}
inline HMENU MenuOf(MenuRef menu) {
    return reinterpret_cast<HMENU>(RawOf(menu));
}
inline WindowRef RefOfWindow(HWND window) {
    return RefOf<WindowRef>(reinterpret_cast<std::uintptr_t>(window));
}

// Width and height of an icon's image, read from the icon's colour bitmap
// (its mask for a monochrome icon); 0 x 0 when the handle is no icon.
inline SIZE IconSize(IconRef icon) {
    SIZE size{0, 0};
    ICONINFO info{};
    if (!GetIconInfo(IconOf(icon), &info))
        return size;
    BITMAP bitmap{};
    if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap)) {
        size = SIZE{bitmap.bmWidth, bitmap.bmHeight};
    } else if (info.hbmMask && GetObjectA(info.hbmMask, sizeof bitmap, &bitmap)) {
        // The mask holds the AND and XOR halves one above the other.
        size = SIZE{bitmap.bmWidth, bitmap.bmHeight / 2};
    }
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return size;
}

} // namespace corvane::win32
