#include "tests/native/form_fixture.h"

namespace corvane::testing {
namespace {

class SaveTest : public FormTest {
protected:
    void StartWith(const std::vector<StoredEntry>& entries) {
        StoreOptions(false, false, false, false);
        StoreEntries(entries);
        Start();
        registry.writeLog.clear();
        log.clear();
    }
};

TEST_F(SaveTest, WritesOptionsCountAndEntriesInOrderThenHidesTheProgram) {
    StartWith({{"C:\\a.exe", "", "-p", "A", true, 2}, {"b.exe", "b.ico", "", "B"}});
    view.checked[Ctl::cbSingle] = true;
    view.checked[Ctl::chkHide] = true;
    view.checked[Ctl::cbPopUp] = true;
    EXPECT_EQ(form->SaveSettings(), TForm1::SaveOutcome::Saved);
    EXPECT_EQ(registry.writeLog,
              (std::vector<std::string>{"Single Click=1", "Hide on Start=1", "PopUpIt=1",
                                        "Icon Count=2", "Icon Path=C:\\a.exe", "Path=C:\\a.exe",
                                        "Params=-p", "Tool Tip=A", "Auto Start=1", "StartMode=2",
                                        "Icon Path=b.ico", "Path=b.exe", "Params=", "Tool Tip=B",
                                        "Auto Start=0", "StartMode=0"}));
    EXPECT_FALSE(form->PopUpIt) << "the running mode stays until the next start";
    EXPECT_FALSE(view.appVisible);
    EXPECT_FALSE(view.formVisible);
    EXPECT_EQ(view.endProgramCalls, 0);
}

TEST_F(SaveTest, SavingFewerEntriesLeavesTheLaterSubkeyUntouched) {
    StartWith({{"a.exe", "", "", "A"}, {"b.exe", "", "", "B"}, {"c.exe", "", "", "C"}});
    form->SaveSettings();
    form->Entries.Delete(1);
    registry.writeLog.clear();
    form->SaveSettings();
    EXPECT_EQ(registry.Dword(kSettingsPath, "Icon Count"), 2u);
    EXPECT_EQ(registry.RawString(EntryPath(1), "Path"), "c.exe");
    EXPECT_EQ(registry.RawString(EntryPath(2), "Path"), "c.exe") << "slot 2 keeps what it held";
    EXPECT_EQ(registry.writeLog.size(), 3u + 1u + 2u * 6u);
}

TEST_F(SaveTest, AnAutoStartStoredAsTwoIsWrittenBackAsOne) {
    StoreOptions(false, false, false, false);
    StoreEntries({{"a.exe", "", "", "A"}});
    registry.PutDword(EntryPath(0), "Auto Start", 2);
    Start();
    form->SaveSettings();
    EXPECT_EQ(registry.Dword(EntryPath(0), "Auto Start"), 1u);
}

TEST_F(SaveTest, AnEmptyTableWritesCountZeroThenEndsTheProgram) {
    StartWith({{"a.exe", "", "", "A"}});
    form->Entries.Delete(0);
    EXPECT_EQ(form->SaveSettings(), TForm1::SaveOutcome::ProgramEnded);
    EXPECT_EQ(registry.writeLog, (std::vector<std::string>{"Single Click=0", "Hide on Start=0",
                                                           "PopUpIt=0", "Icon Count=0"}));
    EXPECT_EQ(view.endProgramCalls, 1);
    EXPECT_TRUE(view.formVisible) << "nothing is hidden on the way out";
}

TEST_F(SaveTest, AFailedWriteStopsTheSaveAndKeepsTheProgramShown) {
    StartWith({{"a.exe", "", "", "A"}, {"b.exe", "", "", "B"}});
    registry.failingWrites = {"Params"};
    EXPECT_THROW(form->SaveSettings(), ERegistryException);
    EXPECT_EQ(registry.writeLog.back(), "Path=a.exe");
    EXPECT_TRUE(view.formVisible);
    EXPECT_TRUE(view.appVisible);
}

TEST_F(SaveTest, QuitSavesDestroysTheMenuRemovesEntryIconsAndEnds) {
    StartWith({{"a.exe", "", "", "A"}, {"b.exe", "", "", "B"}});
    ASSERT_EQ(icons.trayIcons.size(), 2u);
    form->QuitApp();
    EXPECT_EQ(registry.Dword(kSettingsPath, "Icon Count"), 2u);
    EXPECT_TRUE(icons.trayIcons.empty());
    EXPECT_TRUE(menus.menus.empty());
    EXPECT_EQ(view.endProgramCalls, 1);
}

TEST_F(SaveTest, QuitWithAnEmptyTableEndsInsideTheSave) {
    StartWith({});
    form->QuitApp();
    EXPECT_EQ(view.endProgramCalls, 1);
    EXPECT_EQ(menus.menus.size(), 1u) << "the menu is not destroyed explicitly";
}

TEST_F(SaveTest, AFailedSaveDuringQuitKeepsTheProgramRunning) {
    StartWith({{"a.exe", "", "", "A"}});
    registry.failingWrites = {"Single Click"};
    EXPECT_THROW(form->QuitApp(), ERegistryException);
    EXPECT_EQ(view.endProgramCalls, 0);
    EXPECT_EQ(icons.trayIcons.size(), 1u);
}

TEST_F(SaveTest, CloseSavesAndCleansUpButLeavesTheEndToTheWindow) {
    StartWith({{"a.exe", "", "", "A"}});
    form->FormClose();
    EXPECT_EQ(registry.Dword(kSettingsPath, "Icon Count"), 1u);
    EXPECT_TRUE(icons.trayIcons.empty());
    EXPECT_TRUE(menus.menus.empty());
    EXPECT_EQ(view.endProgramCalls, 0);
}

TEST_F(SaveTest, EndOfSessionSavesEverythingWithoutHidingThenEnds) {
    StartWith({{"a.exe", "", "", "A"}});
    form->Entries.Append(ListType{"new.exe", "", "", "New", true, 1, 0});
    form->EndSession();
    EXPECT_EQ(registry.Dword(kSettingsPath, "Icon Count"), 2u);
    EXPECT_EQ(registry.RawString(EntryPath(1), "Path"), "new.exe");
    EXPECT_TRUE(view.formVisible);
    EXPECT_EQ(view.endProgramCalls, 1);
}

TEST_F(SaveTest, EndOfSessionWithAnEmptyTableStoresCountZero) {
    StartWith({{"a.exe", "", "", "A"}});
    form->Entries.Delete(0);
    form->EndSession();
    EXPECT_EQ(registry.Dword(kSettingsPath, "Icon Count"), 0u);
    EXPECT_EQ(view.endProgramCalls, 1);
}

TEST_F(SaveTest, SmallIconsGoesIntoTheSettingsKeyAfterASaveLeftAnEntryKeyOpen) {
    StartWith({{"a.exe", "", "", "A"}});
    form->SaveSettings();
    view.checked[Ctl::cbSmallIcons] = true;
    form->cbSmallIconsClick();
    EXPECT_EQ(registry.Dword(kSettingsPath, "SmallIcons"), 1u);
    EXPECT_EQ(registry.Get(EntryPath(0), "SmallIcons"), nullptr);
    EXPECT_EQ(form->ItemHeight, kSmallItemHeight);
}

} // namespace
} // namespace corvane::testing
