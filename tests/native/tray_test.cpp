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

class TrayIconsTest : public ::testing::Test {
protected:
    CallLog log;
    FakeShellIcons shell{log};
};

TEST_F(TrayIconsTest, AnIconIsAddedWithAFullRecordAndRemovedByWindowAndNumber) {
    const IconRef icon = RefOf<IconRef>(0x77);
    EXPECT_TRUE(TrayAddIcon(shell, 1000, kWindow, icon, "Editor"));
    const NotifyIconRecord& r = shell.trayIcons.at(1000);
    EXPECT_EQ(std::tie(r.cbSize, r.uFlags, r.uCallbackMessage, r.hWnd, r.hIcon),
              std::make_tuple(88u, 7u, 0x40Du, kWindow, icon));
    EXPECT_STREQ(r.szTip.data(), "Editor");
    EXPECT_FALSE(TrayDeleteIcon(shell, 1001, kWindow));
    EXPECT_TRUE(TrayDeleteIcon(shell, 1000, kWindow));
    EXPECT_TRUE(shell.trayIcons.empty());
}

TEST_F(TrayIconsTest, ATipKeepsItsFirst63CharactersAndItsTerminator) {
    for (std::size_t length : {0u, 63u, 64u, 70u}) {
        const NotifyIconRecord r =
            MakeTrayRecord(1, kWindow, IconRef::None, std::string(length, 'x'));
        EXPECT_EQ(r.szTip.data(), std::string(std::min<std::size_t>(length, 63), 'x'));
        EXPECT_EQ(r.szTip[63], '\0');
    }
}

TEST_F(TrayIconsTest, FileIconsComeOnlyForFilesTheShellFindsAskedByTheirCutPath) {
    const std::string longPath = "C:\\" + std::string(297, 'a');
    shell.knownFiles = {"C:\\x\\tool.exe", longPath.substr(0, 255)};
    shell.scribbleOnFailure = true;
    EXPECT_NE(GetFileIconHandle(shell, "C:\\x\\tool.exe"), IconRef::None);
    EXPECT_NE(GetFileIconHandle(shell, longPath), IconRef::None);
    EXPECT_EQ(shell.fileInfoPaths.back().size(), 255u);
    EXPECT_EQ(shell.liveIcons.size(), 2u);
    // What a failed request leaves in the record is never taken for an icon.
    EXPECT_EQ(GetFileIconHandle(shell, "C:\\gone.exe"), IconRef::None);
    EXPECT_EQ(GetSystemImageIcon(shell, "C:\\gone.exe", 16), IconRef::None);
    // An empty path names no file (the shell would answer for the current
    // folder) and is not asked.
    shell.knownFiles.insert("");
    const std::size_t asked = shell.fileInfoPaths.size();
    EXPECT_EQ(GetFileIconHandle(shell, ""), IconRef::None);
    EXPECT_EQ(GetSystemImageIcon(shell, "", 32), IconRef::None);
    EXPECT_EQ(shell.fileInfoPaths.size(), asked);
    EXPECT_EQ(shell.liveIcons.size(), 2u);
}

TEST_F(TrayIconsTest, SystemImageIconsComeFromTheSmallListOnlyForSize16) {
    shell.knownFiles = {"C:\\e.exe"};
    for (auto [size, list] : {std::pair{16, 0x16u}, {32, 0x32u}, {0, 0x32u}, {17, 0x32u}})
        EXPECT_EQ(RawOf(GetSystemImageIcon(shell, "C:\\e.exe", size)) >> 12, list) << size;
}

TEST(TrayClicks, ALaunchClickFollowsTheClickOptionAndARightPressOpensTheMenu) {
    constexpr std::uint32_t kLButtonUp = 0x202, kRButtonDblClk = 0x206, kMButtonDown = 0x207;
    using enum TrayAction;
    struct Row {
        std::uint32_t message;
        TrayAction single, dbl; // with single-click launching on and off
    };
    const Row rows[] = {
        {kWmLButtonDown, LaunchEntry, None},  {kWmLButtonDblClk, None, LaunchEntry},
        {kWmRButtonDown, ShowMenu, ShowMenu}, {kLButtonUp, None, None},
        {kRButtonDblClk, None, None},         {kMButtonDown, None, None},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TrayActionFor(true, false, row.message), row.single) << row.message;
        EXPECT_EQ(TrayActionFor(false, false, row.message), row.dbl) << row.message;
        // In pop-up mode a launch click opens the menu instead.
        const auto popUp = [](TrayAction a) {
            return a == LaunchEntry ? ShowMenu : a;
        };
        EXPECT_EQ(TrayActionFor(true, true, row.message), popUp(row.single)) << row.message;
        EXPECT_EQ(TrayActionFor(false, true, row.message), popUp(row.dbl)) << row.message;
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
