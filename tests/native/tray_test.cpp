// Tray icons and the shell's file icons, the tray's click rule, and the
// commands that come back from the pop-up menu.
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
    EXPECT_TRUE(TrayDeleteIcon(shell, 1000, kWindow));
    EXPECT_TRUE(shell.trayIcons.empty());
}

TEST(TrayIcons, FileIconsComeOnlyForFilesTheShellFindsAskedByTheirCutPath) {
    CallLog log;
    FakeShellIcons shell(log);
    const std::string longPath = "C:\\" + std::string(297, 'a');
    shell.knownFiles = {"C:\\x\\tool.exe", longPath.substr(0, 255)};
    shell.scribbleOnFailure = true;
    EXPECT_NE(GetFileIconHandle(shell, "C:\\x\\tool.exe"), IconRef::None);
    EXPECT_NE(GetFileIconHandle(shell, longPath), IconRef::None);
    for (auto [size, list] : {std::pair{16, 0x16u}, {32, 0x32u}, {0, 0x32u}, {17, 0x32u}})
        EXPECT_EQ(RawOf(GetSystemImageIcon(shell, "C:\\x\\tool.exe", size)) >> 12, list) << size;
    // What a failed request leaves in the record is never taken for an icon,
    // and an empty path, which the shell would take for the current folder,
    // is not asked at all.
    shell.knownFiles.insert("");
    const auto icons = shell.liveIcons;
    EXPECT_EQ(GetFileIconHandle(shell, "C:\\gone.exe"), IconRef::None);
    EXPECT_EQ(GetSystemImageIcon(shell, "C:\\gone.exe", 16), IconRef::None);
    EXPECT_EQ(GetFileIconHandle(shell, ""), IconRef::None);
    EXPECT_EQ(GetSystemImageIcon(shell, "", 32), IconRef::None);
    EXPECT_EQ(shell.liveIcons, icons);
    EXPECT_EQ(shell.fileInfoPaths.size(), 8u);
    EXPECT_EQ(shell.fileInfoPaths[1].size(), 255u);
}

TEST(TrayClicks, ALaunchClickFollowsTheClickOptionAndARightPressOpensTheMenu) {
    using enum TrayAction;
    struct Row {
        std::uint32_t message;
        TrayAction single, dbl; // with single-click launching on and off
    };
    const Row rows[] = {{kWmLButtonDown, LaunchEntry, None},
                        {kWmLButtonDblClk, None, LaunchEntry},
                        {kWmRButtonDown, ShowMenu, ShowMenu},
                        {0x202, None, None},
                        {0x206, None, None}};
    // In pop-up mode a launch click opens the menu instead.
    const auto popUp = [](TrayAction a) {
        return a == LaunchEntry ? ShowMenu : a;
    };
    for (const Row& row : rows) {
        EXPECT_EQ(std::make_tuple(TrayActionFor(true, false, row.message),
                                  TrayActionFor(false, false, row.message),
                                  TrayActionFor(true, true, row.message),
                                  TrayActionFor(false, true, row.message)),
                  std::make_tuple(row.single, row.dbl, popUp(row.single), popUp(row.dbl)))
            << row.message;
    }
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
