// Tray icons and the shell's file icons, the tray's click rule, and the pop-up menu's commands.
#include "tests/native/doubles.h"
#include "tray/menu_commands.h"
#include "tray/tray_icons.h"
#include "tray/tray_notify.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane::testing {
namespace {

TEST(TrayIcons, AnIconGoesInWithAFullRecordAndItsTipCutTo63AndOutByWindowAndNumber) {
    CallLog log;
    FakeShellIcons shell(log);
    const IconRef icon = RefOf<IconRef>(0x77);
    EXPECT_TRUE(TrayAddIcon(shell, 1000, kWindow, icon, std::string(70, 'x')));
    const NotifyIconRecord& r = shell.trayIcons.at(1000);
    EXPECT_EQ(std::tie(r.cbSize, r.uFlags, r.uCallbackMessage, r.hWnd, r.hIcon),
              std::make_tuple(88u, 7u, 0x40Du, kWindow, icon));
    EXPECT_EQ(r.szTip.data(), std::string(63, 'x'));
    EXPECT_TRUE(TrayDeleteIcon(shell, 1000, kWindow) && shell.trayIcons.empty());
}

// Asked by their cut path. What a failed request leaves in the record is never taken for an icon,
// and an empty path, which the shell would take for the current folder, is not asked at all.
TEST(TrayIcons, FileIconsComeOnlyForFilesTheShellFinds) {
    CallLog log;
    FakeShellIcons shell(log);
    const std::string tool = "C:\\x\\tool.exe", longPath = "C:\\" + std::string(297, 'a');
    shell.knownFiles = {tool, longPath.substr(0, 255), ""};
    shell.scribbleOnFailure = true;
    EXPECT_NE(GetFileIconHandle(shell, tool), IconRef::None);
    EXPECT_NE(GetFileIconHandle(shell, longPath), IconRef::None);
    for (auto [size, list] : {std::pair{16, 0x16u}, {32, 0x32u}, {0, 0x32u}, {17, 0x32u}})
        EXPECT_EQ(RawOf(GetSystemImageIcon(shell, tool, size)) >> 12, list) << size;
    const auto icons = shell.liveIcons;
    for (const char* path : {"C:\\gone.exe", ""})
        EXPECT_EQ(
            std::make_pair(GetFileIconHandle(shell, path), GetSystemImageIcon(shell, path, 16)),
            std::make_pair(IconRef::None, IconRef::None))
            << path;
    EXPECT_EQ(shell.liveIcons, icons);
    EXPECT_EQ(shell.fileInfoPaths.size(), 8u);
    EXPECT_EQ(shell.fileInfoPaths[1].size(), 255u);
}

TEST(TrayClicks, ALaunchClickFollowsTheClickOptionAndARightPressOpensTheMenu) {
    using enum TrayAction;
    const auto popUp = [](TrayAction a) {
        return a == LaunchEntry ? ShowMenu : a;
    };
    // A message and its action with single-click launching on and off; in pop-up mode a launch
    // click opens the menu instead.
    for (auto [message, single, dbl] : {std::tuple{kWmLButtonDown, LaunchEntry, None},
                                        {kWmLButtonDblClk, None, LaunchEntry},
                                        {kWmRButtonDown, ShowMenu, ShowMenu},
                                        {0x202u, None, None},
                                        {0x206u, None, None}})
        EXPECT_EQ(std::make_tuple(
                      TrayActionFor(true, false, message), TrayActionFor(false, false, message),
                      TrayActionFor(true, true, message), TrayActionFor(false, true, message)),
                  std::make_tuple(single, dbl, popUp(single), popUp(dbl)))
            << message;
}

TEST(MenuCommands, TheLowWordNamesAnEntryRowBelow20OrACommand) {
    using Kind = MenuCommand::Kind;
    EXPECT_EQ(DecodeMenuCommand(0x00010002), (MenuCommand{Kind::Entry, 2}));
    EXPECT_EQ(DecodeMenuCommand(19), (MenuCommand{Kind::Entry, 19}));
    EXPECT_EQ(DecodeMenuCommand(0x10000 | kCmdExit), (MenuCommand{Kind::Exit}));
    for (std::uint32_t id : {20u, 911u, 916u, 0xFFFFu})
        EXPECT_EQ(DecodeMenuCommand(id), MenuCommand{}) << id;
}

} // namespace
} // namespace corvane::testing
