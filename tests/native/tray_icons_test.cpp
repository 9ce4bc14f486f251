#include "tests/native/doubles.h"
#include "tray/tray_icons.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane::testing {
namespace {

class TrayIconsTest : public ::testing::Test {
protected:
    CallLog log;
    FakeShellIcons shell{log};
    const WindowRef window = static_cast<WindowRef>(0x99);
};

TEST_F(TrayIconsTest, AddFillsEveryFieldOfThe88ByteRecord) {
    const IconRef icon = RefOf<IconRef>(0x77);
    EXPECT_TRUE(TrayAddIcon(shell, 1000, window, icon, "Editor"));
    ASSERT_EQ(shell.notifyCalls.size(), 1u);
    const auto& [op, r] = shell.notifyCalls[0];
    EXPECT_EQ(op, NotifyOp::Add);
    EXPECT_EQ(std::tie(r.cbSize, r.uID, r.uFlags, r.uCallbackMessage),
              std::make_tuple(88u, 1000u, 7u, 0x40Du));
    EXPECT_EQ(r.hWnd, window);
    EXPECT_EQ(r.hIcon, icon);
    EXPECT_STREQ(r.szTip.data(), "Editor");
}

TEST_F(TrayIconsTest, TipsAreCutToFitTheFieldWithItsTerminator) {
    for (std::size_t length : {0u, 10u, 63u, 64u, 70u}) {
        const NotifyIconRecord r =
            MakeTrayRecord(1, window, IconRef::None, std::string(length, 'x'));
        EXPECT_EQ(std::string(r.szTip.data()), std::string(std::min<std::size_t>(length, 63), 'x'))
            << length;
        EXPECT_EQ(r.szTip[63], '\0');
    }
}

TEST_F(TrayIconsTest, ModifyAndDeleteOfAnUnknownIdentifierAnswerFalse) {
    EXPECT_FALSE(TrayModifyIcon(shell, 5, window, IconRef::None, "x"));
    EXPECT_FALSE(TrayDeleteIcon(shell, 5, window));
    EXPECT_TRUE(TrayAddIcon(shell, 5, window, IconRef::None, "x"));
    EXPECT_TRUE(TrayDeleteIcon(shell, 5, window));
    const auto& [op, r] = shell.notifyCalls.back();
    EXPECT_EQ(op, NotifyOp::Delete);
    EXPECT_EQ(r.cbSize, 88u);
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.hIcon, IconRef::None);
}

TEST_F(TrayIconsTest, FileIconsAndNamesAskTheShellWithItsOwnFlagsAndCutPaths) {
    const std::string longPath = "C:\\" + std::string(297, 'a');
    shell.knownFiles = {"C:\\x\\tool.exe", longPath.substr(0, 255)};
    EXPECT_NE(GetFileIconHandle(shell, "C:\\x\\tool.exe"), IconRef::None);
    EXPECT_EQ(shell.fileInfoFlags.back(), 0x100u);
    EXPECT_EQ(GetFileDisplayName(shell, "C:\\x\\tool.exe"), "tool.exe");
    EXPECT_EQ(shell.fileInfoFlags.back(), 0x200u);
    EXPECT_NE(GetFileIconHandle(shell, longPath), IconRef::None);
    EXPECT_EQ(shell.fileInfoPaths.back().size(), 255u);
}

TEST_F(TrayIconsTest, AFileTheShellCannotFindGivesNoIconAndNoNameNeverAStaleOne) {
    shell.knownFiles = {"C:\\there.exe"};
    EXPECT_NE(GetFileIconHandle(shell, "C:\\there.exe"), IconRef::None);
    EXPECT_EQ(GetFileIconHandle(shell, "C:\\gone.exe"), IconRef::None);
    EXPECT_EQ(GetFileDisplayName(shell, "C:\\there.exe"), "there.exe");
    EXPECT_EQ(GetFileDisplayName(shell, "C:\\gone.exe"), "");
    EXPECT_EQ(GetSystemImageIcon(shell, "C:\\gone.exe", 16), IconRef::None);
}

TEST_F(TrayIconsTest, WhatAFailedRequestLeavesInTheRecordIsNeverUsed) {
    shell.scribbleOnFailure = true;
    EXPECT_EQ(GetFileIconHandle(shell, "C:\\gone.exe"), IconRef::None);
    EXPECT_EQ(GetFileDisplayName(shell, "C:\\gone.exe"), "");
    EXPECT_EQ(GetSystemImageIcon(shell, "C:\\gone.exe", 16), IconRef::None);
    EXPECT_TRUE(shell.liveIcons.empty());
}

TEST_F(TrayIconsTest, AnEmptyPathIsNoFileAndIsNotAsked) {
    shell.knownFiles = {""}; // a shell that answers for the current folder
    EXPECT_EQ(GetFileIconHandle(shell, ""), IconRef::None);
    EXPECT_EQ(GetFileDisplayName(shell, ""), "");
    EXPECT_EQ(GetSystemImageIcon(shell, "", 16), IconRef::None);
    EXPECT_EQ(GetSystemImageIcon(shell, "", 32), IconRef::None);
    EXPECT_TRUE(shell.fileInfoPaths.empty());
}

TEST_F(TrayIconsTest, SystemImageIconsComeFromTheSmallListOnlyForSize16) {
    shell.knownFiles = {"C:\\e.exe"};
    struct Row {
        int size;
        std::uint32_t flags;
        std::uintptr_t list;
    };
    for (const Row& row : {Row{16, 0x4001, 0x16}, Row{32, 0x4000, 0x32}, Row{0, 0x4000, 0x32},
                           Row{24, 0x4000, 0x32}}) {
        const IconRef icon = GetSystemImageIcon(shell, "C:\\e.exe", row.size);
        EXPECT_EQ(shell.fileInfoFlags.back(), row.flags) << row.size;
        EXPECT_EQ(RawOf(icon) >> 12, row.list) << row.size;
    }
}

} // namespace
} // namespace corvane::testing
