#include "tests/native/form_fixture.h"

#include <algorithm>

namespace corvane::testing {
namespace {

int IndexOf(const CallLog& log, const std::string& text) {
    const auto found = std::find(log.begin(), log.end(), text);
    return found == log.end() ? -1 : static_cast<int>(found - log.begin());
}

TEST_F(FormTest, FirstRunWritesExactlyTheDefaultsAndShowsTheWelcomeOverANormalWindow) {
    Start();
    EXPECT_EQ(registry.writeLog,
              (std::vector<std::string>{"Icon Count=0", "Single Click=0", "Hide on Start=0",
                                        "PopUpIt=0", "SmallIcons=0"}));
    EXPECT_TRUE(registry.SubkeyNames(kSettingsPath).empty()) << "no entry subkey";
    EXPECT_EQ(view.welcomeShown, 1);
    EXPECT_EQ(view.formState, FakeView::FormState::Normal);
    EXPECT_TRUE(view.formVisible);
    EXPECT_TRUE(view.appVisible);
    EXPECT_TRUE(icons.trayIcons.empty());
    EXPECT_FALSE(view.timerRunning);
    // The timer set the boxes from the defaults just written.
    EXPECT_FALSE(view.checked[Ctl::chkHide]);
    EXPECT_FALSE(view.checked[Ctl::cbSmallIcons]);
    EXPECT_FALSE(view.enabled[Ctl::cbSmallIcons]);
    EXPECT_EQ(form->ItemHeight, kLargeItemHeight);
}

TEST_F(FormTest, CreationPreparesPathsHookMenuAndShowCommandsBeforeReading) {
    StoreOptions(false, false, false, false);
    StoreEntries({});
    form->FormCreate();
    EXPECT_EQ(form->WindowsDir, "C:\\WINDOWS");
    EXPECT_EQ(form->ExplorerPath, "C:\\WINDOWS\\Explorer.exe");
    EXPECT_EQ(form->ProgramPath, system.programPath);
    EXPECT_TRUE(system.hookRunning);
    EXPECT_EQ(IndexOf(log, "hook start 4660"), 0) << "the hook starts first";
    EXPECT_EQ(form->ShowCmds.cmds, (std::array<std::int32_t, 4>{5, 3, 2, 0}));
    EXPECT_NE(form->MenuHandle, MenuRef::None);
    EXPECT_EQ(menus.menus.count(RawOf(form->MenuHandle)), 1u);
}

TEST_F(FormTest, LoadsEntriesStartsAutoStartOnesInSlotOrderBeforeTheMenuIsBuilt) {
    StoreOptions(false, true, false, false);
    icons.knownFiles = {"C:\\a.exe", "C:\\b.ico"};
    StoreEntries({{"C:\\a.exe", "C:\\a.exe", "", "A"},
                  {"D:\\Tools\\b.exe", "C:\\b.ico", "-one", "B", true, 3},
                  {"c.exe", "", "", "C"},
                  {"E:d.exe", "", "-two x", "D", true, 1}});
    Start();

    const WindowRef owner = FakeView::kHandle;
    EXPECT_EQ(shell.calls,
              (std::vector<ShellCall>{
                  {owner, true, "", "D:\\Tools\\b.exe", "-one", "D:\\Tools\\", kSwHide},
                  {owner, true, "", "E:d.exe", "-two x", "E:", kSwShowMaximized}}));

    // Slot 1 starts before its own tray icon and row exist; all before the menu.
    EXPECT_LT(IndexOf(log, "execute D:\\Tools\\b.exe -one"), IndexOf(log, "tray 0 1001"));
    EXPECT_LT(IndexOf(log, "tray 0 1001"), IndexOf(log, "execute E:d.exe -two x"));
    const int lastMenuCreate =
        static_cast<int>(log.rend() - std::find(log.rbegin(), log.rend(), "menu create")) - 1;
    EXPECT_LT(IndexOf(log, "execute E:d.exe -two x"), lastMenuCreate);

    EXPECT_EQ(form->Entries.IconCount, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form->Entries.Icons[static_cast<std::size_t>(i)].IconId, 1000 + i);
    EXPECT_EQ(form->Entries.NextIconId, 1004);
    EXPECT_EQ(view.rows, (std::vector<std::string>{"A", "B", "C", "D"}));

    ASSERT_EQ(icons.trayIcons.size(), 4u);
    EXPECT_STREQ(icons.trayIcons.at(1001).szTip.data(), "B");
    EXPECT_NE(icons.trayIcons.at(1000).hIcon, IconRef::None);
    EXPECT_EQ(icons.trayIcons.at(1002).hIcon, IconRef::None) << "a file the shell cannot find";

    // Row 0 fills the editor.
    EXPECT_EQ(view.selected, 0);
    EXPECT_EQ(view.texts[Ctl::txtPath], "C:\\a.exe");
    EXPECT_EQ(view.combo, 0);
    EXPECT_TRUE(view.enabled[Ctl::btnAdd]) << "the path change enables Add";
    EXPECT_TRUE(view.enabled[Ctl::btnDelete]);
    EXPECT_EQ(view.welcomeShown, 0);
    EXPECT_TRUE(view.formVisible);
    EXPECT_EQ(view.formState, FakeView::FormState::Normal);
    EXPECT_EQ(form->ItemHeight, kSmallItemHeight);

    // Only the preview icon is still held; everything handed over was released.
    EXPECT_EQ(icons.liveIcons.size(), 1u);
    EXPECT_EQ(icons.liveIcons.count(RawOf(view.preview)), 1u);
}

TEST_F(FormTest, PopUpModeAddsOnlyTheMainIconButStillNumbersTheEntries) {
    StoreOptions(true, false, true, false);
    StoreEntries({{"a.exe", "", "", "A"}, {"b.exe", "", "", "B"}, {"c.exe", "", "", "C"}});
    Start();
    ASSERT_EQ(icons.trayIcons.size(), 1u);
    const NotifyIconRecord& main = icons.trayIcons.at(1111);
    EXPECT_STREQ(main.szTip.data(), "Corvane 3.0");
    EXPECT_EQ(main.hIcon, RefOf<IconRef>(0x1C0));
    EXPECT_EQ(form->Entries.Icons[2].IconId, 1002);
    EXPECT_TRUE(form->PopUpIt);
    EXPECT_TRUE(form->SingleClick);
    EXPECT_TRUE(view.checked[Ctl::cbSingle]);
    EXPECT_TRUE(view.checked[Ctl::cbPopUp]);
    EXPECT_TRUE(view.enabled[Ctl::cbSmallIcons]);
}

TEST_F(FormTest, HideOnStartWithEntriesLeavesNoWindowAndNoTaskBarButton) {
    StoreOptions(false, false, false, true);
    StoreEntries({{"a.exe", "", "", "A"}});
    Start();
    EXPECT_FALSE(view.appVisible);
    EXPECT_FALSE(view.formVisible);
    EXPECT_TRUE(view.checked[Ctl::chkHide]);
}

TEST_F(FormTest, HideOnStartWithAnEmptyTableShowsTheWindowAnyway) {
    StoreOptions(false, false, false, true);
    StoreEntries({});
    Start();
    EXPECT_TRUE(view.appVisible);
    EXPECT_TRUE(view.formVisible);
    EXPECT_EQ(view.formState, FakeView::FormState::Normal);
    EXPECT_EQ(view.welcomeShown, 1);
}

TEST_F(FormTest, StoredCountsOutsideTheTableLoadAtMostTwentyAndNoneBelowOne) {
    StoreOptions(false, false, false, false);
    for (int i = 0; i < 25; ++i)
        StoreEntry(i, {"p" + std::to_string(i) + ".exe", "", "", "t" + std::to_string(i)});
    registry.PutDword(kSettingsPath, "Icon Count", 25);
    Start();
    EXPECT_EQ(form->Entries.IconCount, 20);
    EXPECT_EQ(view.rows.size(), 20u);
}

TEST_F(FormTest, ANegativeCountLoadsNothingAndIsNotAFirstRun) {
    StoreOptions(false, false, false, false);
    StoreEntry(0, {"a.exe", "", "", "A"});
    registry.PutDword(kSettingsPath, "Icon Count", static_cast<std::uint32_t>(-3));
    Start();
    EXPECT_EQ(form->Entries.IconCount, 0);
    EXPECT_EQ(registry.Dword(kSettingsPath, "Icon Count"), static_cast<std::uint32_t>(-3))
        << "not overwritten by first-run defaults";
}

TEST_F(FormTest, ADamagedCountNeverOverwritesTheStoredEntries) {
    StoreOptions(false, false, false, false);
    StoreEntry(0, {"a.exe", "", "", "A"});
    StoreEntry(1, {"b.exe", "", "", "B"});
    registry.PutString(kSettingsPath, "Icon Count", "two, really");
    Start();
    EXPECT_EQ(form->Entries.IconCount, 2);
    EXPECT_EQ(view.rows, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(registry.RawString(kSettingsPath, "Icon Count"), "two, really");
}

TEST_F(FormTest, ADamagedEntryValueCostsOnlyThatValue) {
    StoreOptions(false, false, false, false);
    StoreEntries({{"a.exe", "", "", "A", true, 0}, {"b.exe", "", "", "B", true, 0}});
    registry.PutString(EntryPath(0), "StartMode", "max");
    registry.Put(EntryPath(0), "Auto Start", RegType::Binary, {1, 2, 3, 4, 5});
    registry.PutDword(EntryPath(1), "StartMode", 9);
    Start();
    ASSERT_EQ(form->Entries.IconCount, 2);
    EXPECT_FALSE(form->Entries.Icons[0].AutoStart);
    EXPECT_EQ(form->Entries.Icons[0].StartMode, 0);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "b.exe");
    EXPECT_EQ(shell.calls[0].show, kSwShow) << "a start mode out of range opens as Normal";
}

TEST_F(FormTest, DamagedOptionsAfterTheCountAreRepairedFromTheBoxesByTheTimer) {
    StoreEntries({{"a.exe", "", "", "A"}});
    registry.PutDword(kSettingsPath, "PopUpIt", 1);
    registry.PutString(kSettingsPath, "Hide on Start", "yes");
    Start();
    EXPECT_TRUE(form->PopUpIt);
    EXPECT_EQ(form->Entries.IconCount, 1);
    // The timer's repair wrote every option from the boxes.
    EXPECT_EQ(registry.Dword(kSettingsPath, "Hide on Start"), 0u);
    EXPECT_EQ(registry.Dword(kSettingsPath, "Single Click"), 0u);
    EXPECT_EQ(registry.Dword(kSettingsPath, "PopUpIt"), 1u);
    EXPECT_EQ(registry.Dword(kSettingsPath, "SmallIcons"), 0u);
}

TEST_F(FormTest, DestructionStopsTheHook) {
    StoreOptions(false, false, false, false);
    StoreEntries({});
    Start();
    form->FormDestroy();
    EXPECT_FALSE(system.hookRunning);
}

} // namespace
} // namespace corvane::testing
