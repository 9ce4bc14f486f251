#include "tests/native/tray_fixture.h"

namespace corvane::testing {
namespace {

class MenuCommandTest : public TrayFormTest {};

TEST_F(MenuCommandTest, EntryRowsStartTheirEntryWithItsOwnStartMode) {
    StartWith(true, true, false, 4); // entry i has start mode i % 4
    const int expected[] = {kSwShow, kSwShowMaximized, kSwShowMinimized, kSwHide};
    for (std::uint32_t id = 0; id < 4; ++id) {
        shell.calls.clear();
        EXPECT_TRUE(form->WMCommand(id, 0));
        ASSERT_EQ(shell.calls.size(), 1u) << id;
        EXPECT_EQ(shell.calls[0].file, AppPath(int(id)));
        EXPECT_EQ(shell.calls[0].show, expected[id]) << id;
    }
}

TEST_F(MenuCommandTest, TheIdentifierIsTheLowWordOfWParam) {
    StartWith(true, true, false, 4);
    EXPECT_TRUE(form->WMCommand(0x00010002, 0));
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, AppPath(2));
}

TEST_F(MenuCommandTest, OnlyCommandsFromTheMenuAct) {
    StartWith(true, true, false, 4);
    for (std::uint32_t id : {0u, 912u, 913u, 914u, 915u})
        EXPECT_FALSE(form->WMCommand(id, 0x4242)) << id;
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(view.endProgramCalls, 0);
}

TEST_F(MenuCommandTest, RowsOfNoEntryAndUnknownIdentifiersDoNothing) {
    StartWith(true, true, false, 2);
    for (std::uint32_t id : {2u, 19u, 20u, 911u, 916u, 0xFFFFu})
        EXPECT_FALSE(form->WMCommand(id, 0)) << id;
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(log.empty());
}

TEST_F(MenuCommandTest, PathRecallOpensANewExplorerOnTheLastFolder) {
    StartWith(true, true, false, 1);
    form->LastExploreDir = "C:\\Projects";
    EXPECT_TRUE(form->WMCommand(912, 0));
    ASSERT_EQ(shell.calls.size(), 1u); // the call itself: explorer_tracking_test.cpp
    EXPECT_EQ(shell.calls[0].params, "/n,/e,C:\\Projects");
}

TEST_F(MenuCommandTest, OptionsShowsTheWindowThenRestoresTheApplication) {
    StartWith(false, true, false, 1);
    form->SaveSettings(); // hidden, as after "Minimize"
    log.clear();
    EXPECT_TRUE(form->WMCommand(913, 0));
    EXPECT_EQ(log, (CallLog{"show form", "restore app"}));
    EXPECT_TRUE(view.formVisible);
    EXPECT_TRUE(view.appVisible);
}

TEST_F(MenuCommandTest, HelpOpensTheHelpFileFromTheProgramsFolder) {
    StartWith(false, true, false, 1);
    EXPECT_TRUE(form->WMCommand(915, 0));
    EXPECT_EQ(shell.calls, (std::vector<ShellCall>{{FakeView::kHandle, true, "", "Corvane.hlp", "",
                                                    "C:\\Program Files\\Corvane\\", kSwShow}}));
}

TEST_F(MenuCommandTest, ExitSavesRemovesTheIconsAndEndsTheProgram) {
    StartWith(false, true, false, 2);
    registry.writeLog.clear();
    EXPECT_TRUE(form->WMCommand(914, 0));
    EXPECT_EQ(view.endProgramCalls, 1);
    EXPECT_TRUE(menus.menus.empty());
    EXPECT_TRUE(icons.trayIcons.empty());
    EXPECT_FALSE(registry.writeLog.empty());
}

} // namespace
} // namespace corvane::testing
