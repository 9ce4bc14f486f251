#include "tests/native/form_fixture.h"

namespace corvane::testing {
namespace {

TEST_F(FormTest, ARestartedTrayGetsEveryEntryIconBackUnderItsIdentifier) {
    StoreOptions(false, false, false, false);
    StoreEntries({{"a.exe", "", "", "A"}, {"b.exe", "", "", "B"}, {"c.exe", "", "", "C"}});
    Start();
    form->Entries.Delete(0); // identifiers are not renumbered
    icons.trayIcons.clear(); // the shell forgot everything
    form->RestoreTrayIcons();
    ASSERT_EQ(icons.trayIcons.size(), 2u);
    EXPECT_STREQ(icons.trayIcons.at(1001).szTip.data(), "B");
    EXPECT_STREQ(icons.trayIcons.at(1002).szTip.data(), "C");
    EXPECT_EQ(icons.trayIcons.at(1002).hWnd, FakeView::kHandle);
}

TEST_F(FormTest, ARestartedTrayGetsOnlyTheMainIconBackInPopUpMode) {
    StoreOptions(true, false, false, false);
    StoreEntries({{"a.exe", "", "", "A"}});
    Start();
    icons.trayIcons.clear();
    form->RestoreTrayIcons();
    ASSERT_EQ(icons.trayIcons.size(), 1u);
    EXPECT_STREQ(icons.trayIcons.at(1111).szTip.data(), "Corvane 3.0");
}

TEST_F(FormTest, TheMainIconLeavesTheTrayWhenTheWindowIsDestroyed) {
    StoreOptions(true, false, false, false);
    StoreEntries({});
    Start();
    ASSERT_EQ(icons.trayIcons.count(1111), 1u);
    form->QuitApp(); // an empty table ends the program inside the save
    form->FormDestroy();
    EXPECT_TRUE(icons.trayIcons.empty());
    EXPECT_FALSE(system.hookRunning);
}

} // namespace
} // namespace corvane::testing
