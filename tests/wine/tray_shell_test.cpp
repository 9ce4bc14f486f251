// Tray icons and file icons through the real shell.
#include "core/win32/handle_refs.h"
#include "tray/tray_icons.h"
#include "tray/win32/shell_icons_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace corvane::win32 {
namespace {

// The shell knows an icon by its window and identifier together.
TEST(Win32ShellIcons, TheTrayAnswersForTheIconsItHoldsOnly) {
    Win32ShellIcons shell;
    HWND windows[2];
    for (HWND& w : windows)
        w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                            nullptr);
    const WindowRef owner = ToRef<WindowRef>(windows[0]), other = ToRef<WindowRef>(windows[1]);
    const IconRef icon = ToRef<IconRef>(LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_TRUE(TrayAddIcon(shell, 4001, owner, icon, "Notepad"));
    EXPECT_FALSE(TrayDeleteIcon(shell, 4001, other));
    EXPECT_TRUE(TrayDeleteIcon(shell, 4001, owner));
    EXPECT_FALSE(TrayDeleteIcon(shell, 4001, owner)) << "already gone";
    for (HWND window : windows)
        DestroyWindow(window);
}

TEST(Win32ShellIcons, AnExistingFileHasAnIconAndAMissingOneNone) {
    Win32ShellIcons shell;
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, sizeof windows), 0u);
    const ScopedIcon icon(shell, GetFileIconHandle(shell, std::string(windows) + "\\notepad.exe"));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(FromRef<HICON>(icon.get()), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    // Wine answers 0 for a missing file yet may leave junk in the icon field.
    for (const std::string& path : {std::string(windows) + "\\no such file.exe", std::string()})
        EXPECT_EQ(GetFileIconHandle(shell, path), IconRef::None) << '"' << path << '"';
}

} // namespace
} // namespace corvane::win32
