// Tray icons, file icons and file names through the real shell.
#include "tests/wine/form_window.h"
#include "tray/tray_icons.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::win32 {
namespace {

constexpr std::int32_t kFirstId = 4001;
constexpr std::int32_t kSecondId = 4002;
constexpr std::int32_t kNeverAddedId = 4099;

// Without a virtual desktop Wine shows the icons as small windows of its own
// in a "Wine System Tray" window: those shown, in order.
BOOL CALLBACK KeepTrayIcon(HWND child, LPARAM data) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpA(name, "__winex11_tray_icon") == 0 && IsWindowVisible(child))
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
    return TRUE;
}

std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    HWND tray = FindWindowA(nullptr, "Wine System Tray");
    if (tray && IsWindowVisible(tray))
        EnumChildWindows(tray, KeepTrayIcon, reinterpret_cast<LPARAM>(&icons));
    return icons;
}

int ShownTrayIcons() {
    return static_cast<int>(TrayIconWindows().size());
}

class TrayShellTest : public FormWindowTest {
protected:
    void SetUp() override {
        FormWindowTest::SetUp();
        self = RefOfWindow(Window());
        // The resource icon is shared for the run; nothing to destroy.
        icon = system.LoadIconResource("MAINICON");
        ASSERT_NE(icon, IconRef::None);
    }
    void TearDown() override {
        // Leave nothing in the tray for the next test.
        TrayDeleteIcon(shellIcons, kFirstId, self);
        TrayDeleteIcon(shellIcons, kSecondId, self);
        FormWindowTest::TearDown();
    }

    WindowRef self = WindowRef::None;
    IconRef icon = IconRef::None;
};

TEST_F(TrayShellTest, AnIconIsAddedChangedAndRemovedOnce) {
    ASSERT_EQ(ShownTrayIcons(), 0);
    EXPECT_TRUE(TrayAddIcon(shellIcons, kFirstId, self, icon, "Notepad"));
    ASSERT_EQ(ShownTrayIcons(), 1) << "the tests expect Wine's own tray (a plain X display)";
    EXPECT_TRUE(TrayModifyIcon(shellIcons, kFirstId, self, icon, "Notepad, renamed"));
    EXPECT_EQ(ShownTrayIcons(), 1);
    EXPECT_TRUE(TrayDeleteIcon(shellIcons, kFirstId, self));
    EXPECT_EQ(ShownTrayIcons(), 0);
    EXPECT_FALSE(TrayDeleteIcon(shellIcons, kFirstId, self)) << "already gone";
    EXPECT_FALSE(TrayModifyIcon(shellIcons, kFirstId, self, icon, "Notepad")) << "already gone";
}

TEST_F(TrayShellTest, AnIdentifierNeverAddedIsRefused) {
    EXPECT_FALSE(TrayDeleteIcon(shellIcons, kNeverAddedId, self));
    EXPECT_FALSE(TrayModifyIcon(shellIcons, kNeverAddedId, self, icon, "Tip"));
    // The shell knows an icon by its window and identifier together.
    ASSERT_TRUE(TrayAddIcon(shellIcons, kFirstId, self, icon, "Tip"));
    const WindowRef other = RefOfWindow(application.hwnd());
    EXPECT_FALSE(TrayModifyIcon(shellIcons, kFirstId, other, icon, "Tip"));
    EXPECT_FALSE(TrayDeleteIcon(shellIcons, kFirstId, other));
    EXPECT_EQ(ShownTrayIcons(), 1);
    EXPECT_TRUE(TrayDeleteIcon(shellIcons, kFirstId, self)) << "still there";
}

TEST_F(TrayShellTest, AnIconWithoutImageStillTakesItsPlace) {
    EXPECT_TRUE(TrayAddIcon(shellIcons, kFirstId, self, IconRef::None, "No icon"));
    EXPECT_EQ(ShownTrayIcons(), 1);
    EXPECT_TRUE(TrayModifyIcon(shellIcons, kFirstId, self, IconRef::None, "Still none"));
    EXPECT_TRUE(TrayDeleteIcon(shellIcons, kFirstId, self));
}

// A window that keeps the tray callbacks it receives.
struct TrayCallback {
    UINT message;
    WPARAM id;
    LPARAM mouse;
};
std::vector<TrayCallback> received;

LRESULT CALLBACK KeepCallbacks(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kWmTrayNotify)
        received.push_back(TrayCallback{message, wParam, lParam});
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(TrayShellTest, AClickOnTheIconReachesItsWindowWithItsIdentifier) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = KeepCallbacks;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "CorvaneTrayCallbacks";
    RegisterClassA(&windowClass);
    HWND listener = CreateWindowExA(0, "CorvaneTrayCallbacks", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(listener, nullptr);
    const WindowRef owner = RefOfWindow(listener);
    ASSERT_TRUE(TrayAddIcon(shellIcons, kSecondId, owner, icon, "Click me"));
    const std::vector<HWND> shown = TrayIconWindows();
    ASSERT_EQ(shown.size(), 1u) << "the tests expect Wine's own tray (a plain X display)";
    HWND iconWindow = shown[0];

    received.clear();
    PostMessageA(iconWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(iconWindow, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    const DWORD deadline = GetTickCount() + 5000;
    while (received.size() < 2 && GetTickCount() < deadline) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].id, static_cast<WPARAM>(kSecondId));
    EXPECT_EQ(received[0].mouse, WM_LBUTTONDBLCLK);
    EXPECT_EQ(received[1].id, static_cast<WPARAM>(kSecondId));
    EXPECT_EQ(received[1].mouse, WM_RBUTTONDOWN);

    EXPECT_TRUE(TrayDeleteIcon(shellIcons, kSecondId, owner));
    DestroyWindow(listener);
}

// --- File icons and names ---------------------------------------------------

class FileIconsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char directory[MAX_PATH] = {};
        ASSERT_GT(GetWindowsDirectoryA(directory, sizeof directory), 0u);
        notepad = std::string(directory) + "\\notepad.exe";
        ASSERT_NE(GetFileAttributesA(notepad.c_str()), INVALID_FILE_ATTRIBUTES);
        missing = std::string(directory) + "\\no such file here.exe";
        icons = Win32ShellIcons::LiveIcons();
    }
    void TearDown() override {
        EXPECT_EQ(Win32ShellIcons::LiveIcons(), icons) << "every icon handed out was destroyed";
    }

    Win32ShellIcons shell;
    std::string notepad;
    std::string missing;
    long icons = 0;
};

TEST_F(FileIconsTest, AProgramHasItsLargeIconAndItsName) {
    const ScopedIcon icon(shell, GetFileIconHandle(shell, notepad));
    ASSERT_NE(icon.get(), IconRef::None);
    const SIZE size = IconSize(icon.get());
    EXPECT_EQ(size.cx, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(size.cy, GetSystemMetrics(SM_CYICON));
    EXPECT_EQ(Win32ShellIcons::LiveIcons(), icons + 1);
    EXPECT_EQ(GetFileDisplayName(shell, notepad), "notepad.exe");
}

TEST_F(FileIconsTest, SystemImageIconsAreSmallOnlyForSize16) {
    struct Case {
        int size;
        LONG pixels;
    };
    for (const Case c : {Case{16, 16}, Case{32, 32}, Case{24, 32}, Case{0, 32}, Case{48, 32}}) {
        const ScopedIcon icon(shell, GetSystemImageIcon(shell, notepad, c.size));
        ASSERT_NE(icon.get(), IconRef::None) << "size " << c.size;
        const SIZE size = IconSize(icon.get());
        EXPECT_EQ(size.cx, c.pixels) << "size " << c.size;
        EXPECT_EQ(size.cy, c.pixels) << "size " << c.size;
    }
}

TEST_F(FileIconsTest, AMissingFileAfterAnExistingOneGivesNothingStale) {
    {
        const ScopedIcon icon(shell, GetFileIconHandle(shell, notepad));
        ASSERT_NE(icon.get(), IconRef::None);
    }
    {
        // Wine answers 0 here yet writes an icon field that is no icon.
        const ScopedIcon icon(shell, GetFileIconHandle(shell, missing));
        EXPECT_EQ(icon.get(), IconRef::None);
    }

    ASSERT_EQ(GetFileDisplayName(shell, notepad), "notepad.exe");
    EXPECT_EQ(GetFileDisplayName(shell, missing), "");

    {
        const ScopedIcon icon(shell, GetSystemImageIcon(shell, notepad, 16));
        ASSERT_NE(icon.get(), IconRef::None);
    }
    for (const int size : {16, 32}) {
        const ScopedIcon icon(shell, GetSystemImageIcon(shell, missing, size));
        EXPECT_EQ(icon.get(), IconRef::None) << size;
    }
}

} // namespace
} // namespace corvane::win32
