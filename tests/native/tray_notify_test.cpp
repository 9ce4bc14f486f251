#include "tests/native/tray_fixture.h"
#include "tray/tray_notify.h"

#include <algorithm>

namespace corvane::testing {
namespace {

constexpr std::uint32_t kMouseMove = 0x200, kLButtonUp = 0x202, kRButtonUp = 0x205,
                        kRButtonDblClk = 0x206, kMButtonDown = 0x207, kMButtonDblClk = 0x209;

class TrayNotifyTest : public TrayFormTest {
protected:
    bool MenuOpened() const {
        return std::any_of(log.begin(), log.end(),
                           [](const std::string& line) { return line.rfind("track ", 0) == 0; });
    }
    void Reset() {
        log.clear();
        shell.calls.clear();
    }
};

TEST_F(TrayNotifyTest, LaunchClicksFollowTheClickOptionAndTheMode) {
    StartWith(false, true, false, 3);
    struct Row {
        bool popUp, single;
        std::uint32_t message;
        bool launches, opensMenu;
    };
    const Row rows[] = {
        {false, false, kWmLButtonDown, false, false}, {false, false, kWmLButtonDblClk, true, false},
        {false, true, kWmLButtonDown, true, false},   {false, true, kWmLButtonDblClk, false, false},
        {true, false, kWmLButtonDown, false, false},  {true, false, kWmLButtonDblClk, false, true},
        {true, true, kWmLButtonDown, false, true},    {true, true, kWmLButtonDblClk, false, false},
        {false, false, kWmRButtonDown, false, true},  {false, true, kWmRButtonDown, false, true},
        {true, false, kWmRButtonDown, false, true},   {true, true, kWmRButtonDown, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "popUp " << row.popUp << " single " << row.single
                                          << " message 0x" << std::hex << row.message);
        form->PopUpIt = row.popUp;
        form->SingleClick = row.single;
        Reset();
        // The entry's own icon, or the main icon in pop-up mode.
        form->WMTrayNotify(row.popUp ? 1111 : 1001, row.message);
        std::vector<ShellCall> launched;
        if (row.launches) // visibly, whatever the start mode (1 here)
            launched.push_back(
                {FakeView::kHandle, true, "", AppPath(1), "-p1", "C:\\Apps\\", kSwShow});
        EXPECT_EQ(shell.calls, launched);
        EXPECT_EQ(MenuOpened(), row.opensMenu);
    }
}

TEST_F(TrayNotifyTest, AnEntryStartsVisiblyFromItsOwnIconWhateverItsStartMode) {
    StartWith(false, true, true, 4); // entry i has start mode i % 4
    for (int slot = 0; slot < 4; ++slot) {
        Reset();
        form->WMTrayNotify(static_cast<std::uint32_t>(1000 + slot), kWmLButtonDown);
        ASSERT_EQ(shell.calls.size(), 1u) << slot;
        EXPECT_EQ(shell.calls[0].file, AppPath(slot));
        EXPECT_EQ(shell.calls[0].show, kSwShow) << slot;
        EXPECT_TRUE(shell.calls[0].verbIsNull);
    }
}

TEST_F(TrayNotifyTest, AnIdentifierOfNoEntryStartsNothing) {
    StartWith(false, false, true, 2);
    // 0 is what the empty slots hold; 1111 is the main icon of pop-up mode;
    // 1002 is the next identifier, not yet handed out.
    for (std::uint32_t id : {0u, 999u, 1002u, 1111u, 0xFFFFFFFFu}) {
        Reset();
        form->WMTrayNotify(id, kWmLButtonDown);
        EXPECT_TRUE(shell.calls.empty()) << id;
        EXPECT_TRUE(log.empty()) << id;
    }
}

TEST_F(TrayNotifyTest, OtherMouseMessagesDoNothingInEitherMode) {
    StartWith(false, false, true, 2);
    for (bool popUp : {false, true}) {
        form->PopUpIt = popUp;
        for (std::uint32_t message : {kMouseMove, kLButtonUp, kRButtonUp, kRButtonDblClk,
                                      kMButtonDown, kMButtonDblClk, 0u}) {
            Reset();
            form->WMTrayNotify(popUp ? 1111 : 1000, message);
            EXPECT_TRUE(log.empty()) << popUp << " " << message;
            EXPECT_TRUE(shell.calls.empty());
        }
    }
}

TEST_F(TrayNotifyTest, TheMenuOpensAtTheCursorAfterForegroundAndWaitingMessages) {
    StartWith(false, true, false, 2);
    menus.cursorX = 1270;
    menus.cursorY = 990;
    // A right press on an entry's own icon opens the menu and starts nothing.
    form->WMTrayNotify(1000, kWmRButtonDown);
    const std::string menu = std::to_string(RawOf(form->MenuHandle));
    EXPECT_EQ(log, (CallLog{"foreground app", "dispatch waiting",
                            "track " + menu + " 8 1270,990 4660", "post null 4660"}));
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayNotifyTest, AMenuRebuiltWhileWaitingMessagesRanIsTheOneTracked) {
    StartWith(true, true, false, 2);
    const MenuRef before = form->MenuHandle;
    menus.onDispatch = [this] {
        form->RebuildPopupMenu();
    };
    form->WMTrayNotify(1111, kWmLButtonDblClk);
    ASSERT_NE(form->MenuHandle, before);
    EXPECT_EQ(menus.menus.count(RawOf(before)), 0u);
    EXPECT_NE(std::find(log.begin(), log.end(),
                        "track " + std::to_string(RawOf(form->MenuHandle)) + " 8 0,0 4660"),
              log.end());
}

TEST_F(TrayNotifyTest, AMenuDestroyedWhileWaitingMessagesRanIsNotTracked) {
    StartWith(true, true, false, 2);
    menus.onDispatch = [this] {
        form->QuitApp();
    };
    form->WMTrayNotify(1111, kWmRButtonDown);
    EXPECT_EQ(view.endProgramCalls, 1);
    EXPECT_FALSE(MenuOpened());
}

} // namespace
} // namespace corvane::testing
