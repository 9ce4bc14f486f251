// The launcher on every double: start-up, saving, the ways out, the tray, menu and options page.
#include "app/first_copy.h"
#include "core/show_commands.h"
#include "tests/data_rows.h"
#include "tests/native/launcher_rig.h"
#include "tray/menu_commands.h"
#include "tray/tray_notify.h"
#include "core/hot_key.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

namespace corvane::testing {
namespace {

const std::string kKept = "message Failed to get data for 'Tool Box Icon  4'. The entries are kept "
                          "as stored and cannot be changed in this run.";

class LauncherTest : public ::testing::Test, public LauncherRig {
protected:
    static ShellCall Launched(int slot, int show) {
        const std::string n = std::to_string(slot);
        return {kWindow, true, "", "C:\\Apps\\" + n + ".exe", "-p" + n, "C:\\Apps\\", show};
    }
    int RowHeight() {
        ProportionalText text;
        const auto size = launcher->OnMeasureItem(
            {.kind = DrawnItemKind::MenuItem, .command = EntryCommand(0)}, text);
        return size ? size->cy : 0;
    }
};

TEST_F(LauncherTest, AFirstRunWritesTheDefaultsAndWelcomesOverANormalWindow) {
    Start();
    EXPECT_EQ(registry.writeLog, (Lines{"Icon Count=0", "Single Click=0", "Hide on Start=0",
                                        "PopUpIt=0", "SmallIcons=0"}));
    EXPECT_EQ(log, (Lines{"hook start 4660", "menu create", "menu destroy", "menu create",
                          "make form", "timer stop", "welcome", "form normal"}));
    // The timer set the boxes from the defaults just written.
    EXPECT_FALSE(view.checked[Ctl::HideOnStartBox] || view.checked[Ctl::SmallIconsBox] ||
                 view.enabled[Ctl::SmallIconsBox]);
}

TEST_F(LauncherTest, EntriesLoadInSlotOrderAndMarkedOnesStartAsTheyAreRead) {
    icons.knownFiles = {"C:\\a.exe"};
    Store({.smallIcons = true}, {{"C:\\a.exe", "", "", "A"},
                                 {"D:\\Tools\\b.exe", "", "-one", "B", true, smHidden},
                                 {"C:\\" + std::string(257, 'c'), "", "", "C", true}, // too long
                                 {"E:d.exe", "", "-two x", "D", true, 9}}); // 9 opens as Normal
    // A negative count over entry keys is damage: the keys there are loaded. Past a key that
    // cannot be opened nothing was read: the run says so once and keeps the stored entries.
    registry.PutDword(kSettings, "Icon Count", static_cast<std::uint32_t>(-2));
    registry.Lock(kSettings + "\\Tool Box Icon  4");
    registry.PutString(kSettings + "\\Tool Box Icon  5", "Path", "e.exe");
    // A damaged value takes its default (PopUpIt: off), and any number but 0 is true.
    registry.PutString(kSettings, "PopUpIt", "yes");
    registry.PutString(kSettings + "\\Tool Box Icon  0", "Auto Start", "yes");
    registry.PutDword(kSettings + "\\Tool Box Icon  1", "Auto Start", 2);
    Start();
    EXPECT_EQ(shell.calls,
              (std::vector<ShellCall>{
                  {kWindow, true, "", "D:\\Tools\\b.exe", "-one", "D:\\Tools\\", kSwHide},
                  {kWindow, true, "", "E:d.exe", "-two x", "E:", kSwShow}}));
    // Past the first run's steps each starts as it is read; then the icons and the menu show
    // them all, then the options window with a row for each.
    EXPECT_EQ(Lines(log.begin() + 2, log.end()),
              (Lines{"execute D:\\Tools\\b.exe", "message " + std::string(kPathTooLong),
                     "execute E:d.exe", "tray add 1000", "tray add 1001", "tray add 1002",
                     "tray add 1003", "menu destroy", "menu create", "make form", "row A", "row B",
                     "row C", "row D", "timer stop", "form normal", kKept}));
    EXPECT_EQ(tray.shown.at(1001), (FakeTrayIcons::Shown{"D:\\Tools\\b.exe", "B"}))
        << "the small icon of the icon path";
    // Row 0 is shown in the editor; only the preview still holds an icon.
    EXPECT_EQ(std::tie(view.selected, view.texts[Ctl::PathField]), std::make_tuple(0, "C:\\a.exe"));
    EXPECT_EQ(icons.liveIcons, std::set{RawOf(view.preview)});
    EXPECT_EQ(RowHeight(), 22);
    view.selected = 3;
    launcher->OnListClick();
    EXPECT_EQ(std::tie(view.combo, view.checked[Ctl::AutoStartBox]),
              std::make_tuple(smNormal, true))
        << "shown as it starts";
    // Every edit is refused in the same words, and a save stores the options alone.
    log.clear(), registry.writeLog.clear();
    view.texts[Ctl::PathField] = view.texts[Ctl::DescriptionField] = "new";
    launcher->OnAdd(), launcher->OnModify(), launcher->OnDelete();
    drops.names = {"C:\\dropped.exe"};
    launcher->OnFilesDropped(RefOf<DropRef>(0xD0));
    registry.PutDword(kSettings, "PopUpIt", 1); // the box says 0
    launcher->OnMinimize();
    EXPECT_EQ(log, (Lines{kKept, kKept, kKept, kKept, "hide app", "hide form"}));
    EXPECT_EQ(registry.writeLog, (Lines{"Single Click=0", "Hide on Start=0", "PopUpIt=0"}));
    EXPECT_TRUE(registry.Exists(kSettings + "\\Tool Box Icon  5") && drops.finished.size() == 1 &&
                registry.Dword(kSettings, "PopUpIt") == 0u);
}

// With no icon in the tray to come back by, Minimize neither ends the program nor hides it.
TEST_F(LauncherTest, AnUnreadFirstEntryIsNoFirstRunAndMinimizeNeitherEndsNorStrandsTheProgram) {
    Store({}, {{"a.exe"}, {"b.exe"}});
    registry.DeleteKey(registry.CurrentUser(), kSettings + "\\Tool Box Icon  0");
    Start(), launcher->OnMinimize();
    EXPECT_EQ(Lines(log.end() - 3, log.end() - 1), (Lines{"timer stop", "form normal"}));
    EXPECT_NE(log.back().find("'Tool Box Icon  0'. The entries are kept"), std::string::npos);
}

TEST_F(LauncherTest, InPopUpModeTheMainIconStandsForTheEntriesAndSmallIconsRebuildsTheMenu) {
    StartWith({.singleClick = true, .popUp = true}, 3);
    EXPECT_EQ(
        std::make_tuple(tray.shown.size(), tray.shown.at(1111), tray.owner),
        std::make_tuple(std::size_t{1}, FakeTrayIcons::Shown{"(program)", "Corvane 3.0"}, kWindow));
    EXPECT_TRUE(view.checked[Ctl::SingleClickBox] && view.checked[Ctl::PopUpBox] &&
                view.enabled[Ctl::SmallIconsBox]);
    EXPECT_EQ(menus.menus.at(menus.Live()).size(), 3u + 5u);
    log.clear();
    launcher->OnSmallIconsToggled(true);
    EXPECT_EQ(registry.Dword(kSettings, "SmallIcons"), 1u) << "stored at once";
    EXPECT_EQ(log, (Lines{"menu destroy", "menu create"}));
    EXPECT_EQ(RowHeight(), 22);
    for (bool on : {false, true}) {
        launcher->OnPopUpToggled(on);
        EXPECT_EQ(view.enabled[Ctl::SmallIconsBox], on);
    }
}

TEST_F(LauncherTest, TheTimerRepairsDamagedOptionsFromTheBoxes) {
    Store({.popUp = true}, {{"a.exe", "", "", "A"}});
    for (const char* name : {"Single Click", "Hide on Start", "SmallIcons"})
        registry.PutString(kSettings, name, "yes");
    registry.writeLog.clear();
    Start();
    EXPECT_EQ(registry.writeLog,
              (Lines{"Single Click=0", "Hide on Start=0", "PopUpIt=1", "SmallIcons=0"}))
        << "the pop-up mode read at the start is kept";
    registry.failingWrites = {"PopUpIt"};
    registry.PutString(kSettings, "Hide on Start", "yes");
    EXPECT_NO_THROW(launcher->OnStartupTimer()) << "the program runs on";
}

TEST(LauncherTray, RefusedIconsAreAddedAgainForTwoMinutesAndWithNoneInTheTrayTheWindowShows) {
    for (const DataRow& r : DataRows("tray_retries.tsv")) {
        LauncherRig rig;
        rig.tray.refusedAdds = std::stoi(r[2]);
        rig.StartWith({.hideOnStart = true, .popUp = r[0] == "pop-up"}, std::stoi(r[1]));
        if (r[3] == "restart")
            rig.launcher->OnTrayRestarted();
        else if (r[3] == "delete")
            rig.launcher->OnMenuCommand(kCmdOptions), rig.launcher->OnDelete();
        int ticks = 0;
        for (; rig.view.trayTimer == 5000 && ticks < 30; ++ticks) // every 5 s
            rig.launcher->OnTrayRetryTimer();
        EXPECT_EQ(std::tuple(r[2], ticks, rig.tray.shown.size(),
                             rig.view.formVisible && rig.view.appVisible),
                  std::tuple(r[2], std::stoi(r[4]), std::stoul(r[5]), r[6] == "yes"));
    }
}

// A second start hands over to the copy that runs, whose window may not be made yet.
TEST(FirstCopy, ASecondStartAsksTheRunningCopyToShowItsWindowThenEnds) {
    struct Copies : FirstCopyApi {
        bool ClaimName() override { return windowAt == 0; }
        bool ShowRunningCopy() override { return ++looks >= windowAt; }
        void Wait(unsigned milliseconds) override { waited += static_cast<int>(milliseconds); }
        int windowAt = 0, looks = 0, waited = 0;
    };
    const std::tuple<int, int, int> cases[] = {
        {0, 0, 0}, {1, 1, 0}, {20, 20, 19 * 250}, {21, 20, 19 * 250}};
    for (const auto& [windowAtLook, looks, waited] : cases) {
        Copies copies;
        copies.windowAt = windowAtLook;
        EXPECT_EQ(RunAsFirstCopy(copies), windowAtLook == 0) << "the name was free";
        EXPECT_EQ(std::tie(copies.looks, copies.waited), std::tie(looks, waited));
    }
}

// "Hide on Startup" makes no options window: "Options..." makes it, with what the program holds.
TEST_F(LauncherTest, HideOnStartMakesNoWindowForEvenOneEntryMinimizeSavesTheBoxesSoDoesTheEnd) {
    registry.PutDword(kSettings, "Hot Key", 0x64B);
    StartWith({.hideOnStart = true, .smallIcons = true}, 1);
    EXPECT_FALSE(view.made || view.appVisible || view.formVisible);
    EXPECT_EQ(icons.fileInfoPaths.size(), 1u) << "Explorer's, no list row's";
    launcher->OnMenuCommand(kCmdOptions);
    EXPECT_EQ(std::tuple(view.rows.size(), view.selected, view.texts[Ctl::PathField], view.hotKey),
              std::tuple(1u, 0, "C:\\Apps\\0.exe", 0x64B));
    EXPECT_TRUE(view.checked[Ctl::HideOnStartBox] && view.checked[Ctl::SmallIconsBox] &&
                !view.checked[Ctl::SingleClickBox] && !view.enabled[Ctl::SmallIconsBox]);
    launcher->OnPopUpToggled(true), launcher->OnHideToggled(false);
    launcher->OnMinimize();
    EXPECT_EQ(Lines(registry.writeLog.end() - 4, registry.writeLog.end()),
              (Lines{"Single Click=0", "Hide on Start=0", "PopUpIt=1", "Icon Count=1"}));
    // The running mode and click rule stay until the next start.
    launcher->OnTrayNotify(1000, kWmLButtonDblClk);
    EXPECT_EQ(shell.calls, (std::vector{Launched(0, kSwShow)}));
    registry.writeLog.clear();
    launcher->OnEndSession();
    EXPECT_EQ(registry.writeLog.size(), 4u + 8u);
    registry.failingWrites = {"Path"};
    EXPECT_NO_THROW(launcher->OnEndSession()) << "nobody is left to tell";
    EXPECT_EQ(Lines(log.begin() + 3, log.end()),
              (Lines{"show form", "restore app", "hide app", "hide form", "execute C:\\Apps\\0.exe",
                     "end program", "end program"}));
}

TEST_F(LauncherTest, WithNoEntriesHideOnStartIsIgnoredASaveEndsTheProgramAndNothingOutlivesIt) {
    StartWith({.hideOnStart = true, .popUp = true}, 0);
    EXPECT_TRUE(view.appVisible && view.formVisible && !view.enabled[Ctl::DeleteButton]);
    launcher->OnMinimize();
    launcher->OnMenuCommand(kCmdExit);
    EXPECT_EQ(Lines(registry.writeLog.begin(), registry.writeLog.begin() + 4),
              (Lines{"Single Click=0", "Hide on Start=1", "PopUpIt=1", "Icon Count=0"}));
    launcher->OnDestroy();
    EXPECT_EQ(log, (Lines{"end program", "end program", "hook stop", "tray delete 1111"}))
        << "each ended inside the save";
    EXPECT_TRUE(tray.shown.empty());
    program.reset();
    EXPECT_TRUE(menus.menus.empty() && system.liveBitmaps.empty());
}

TEST_F(LauncherTest, AFailedSaveIsReportedAndOnTheWayOutTheUserMayEndWithoutSaving) {
    StartWith({}, 2);
    registry.failingWrites = {"Params"};
    launcher->OnMinimize();
    launcher->OnMenuCommand(kCmdExit);
    view.yes = true;
    launcher->OnClose();
    const std::string report = "message Failed to set data for 'Params'.",
                      ask = "ask Corvane could not save your entries. End without saving?";
    EXPECT_EQ(log, (Lines{report, report, ask, report, ask, "menu destroy", "tray delete 1000",
                          "tray delete 1001", "end program"}));
    EXPECT_EQ(registry.writeLog.back(), "Path=C:\\Apps\\0.exe");
}

// A menu opened from a tray icon and closed with no choice gives the tray the focus at that icon.
TEST_F(LauncherTest, TrayIconsLaunchVisiblyOrOpenTheMenuThatGivesTheFocusBackUnused) {
    StartWith({.singleClick = true}, 4);                             // entry i has start mode i % 4
    menus.cursorX = 1270, menus.cursorY = 990, menus.chosen = false; // closed with Esc
    launcher->OnTrayNotify(1000, kWmRButtonDown);
    launcher->OnTrayNotify(1234, kWmRButtonDown); // an icon the tray does not show
    EXPECT_EQ(Lines(log.begin(), log.begin() + 9),
              (Lines{"foreground", "dispatch waiting", "load bitmap STRIPE",
                     "load bitmap STRIPE120", "load bitmap STRIPE144", "load bitmap STRIPE192",
                     "track " + std::to_string(menus.Live()) + " at 1270,990 for 4660",
                     "post null 4660", "tray focus 1000"}));
    EXPECT_EQ(log.size(), 13u) << "its focus given to none";
    for (std::uint32_t id : {1000u, 1001u, 1002u, 1003u, 0u, 1004u})
        launcher->OnTrayNotify(id, kWmLButtonDown);
    launcher->OnSingleClickToggled(false);
    launcher->OnTrayNotify(1003, kWmLButtonDown);
    launcher->OnTrayNotify(1002, kWmLButtonDblClk);
    EXPECT_EQ(shell.calls,
              (std::vector{Launched(0, kSwShow), Launched(1, kSwShow), Launched(2, kSwShow),
                           Launched(3, kSwShow), Launched(2, kSwShow)}));
}

TEST_F(LauncherTest, MenuCommandsStartEntriesByStartModeAndTheListShowsTheSelectedEntry) {
    StartWith({.popUp = true}, 4);
    for (const int slot : {0, 1, 2, 3, 4, 19})
        launcher->OnMenuCommand(EntryCommand(slot));
    system.titles[0xE1] = "Exploring - C:\\Projects";
    system.classes[0xE1] = "ExploreWClass";
    launcher->OnExplorerWindow(RefOf<WindowRef>(0xE1), 4);
    launcher->OnMenuCommand(kCmdPathRecall);
    // Help: the help file of an older install first, else the page, else the error report.
    const std::string folder = "C:\\Program Files\\Corvane\\";
    try {
        launcher->OnMenuCommand(kCmdHelp);
        ADD_FAILURE() << "no page, yet no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(error.what(), "The help page " + folder + "Corvane.html is missing");
    }
    files.files[folder + "Corvane.html"];
    launcher->OnHelp();
    files.files[folder + "Corvane.hlp"];
    launcher->OnMenuCommand(kCmdHelp);
    EXPECT_EQ(shell.calls,
              (std::vector{
                  Launched(0, kSwShow), Launched(1, kSwShowMaximized),
                  Launched(2, kSwShowMinimized), Launched(3, kSwHide),
                  ShellCall{kWindow, false, "open", "C:\\WINDOWS\\Explorer.exe",
                            "/n,/e,C:\\Projects", "C:\\WINDOWS", kSwShow},
                  ShellCall{kWindow, false, "open", folder + "Corvane.html", "", folder, kSwShow},
                  ShellCall{kWindow, true, "", "Corvane.hlp", "", folder, kSwShow}}));
    log.clear();
    launcher->OnMenuCommand(kCmdOptions);
    EXPECT_EQ(log, (Lines{"show form", "restore app"}));
    view.selected = 3;
    launcher->OnListClick();
    EXPECT_EQ(Shown(), (Entry{"C:\\Apps\\3.exe", "%ICONS%\\3.ico", "-p3", "Entry 3", false, 3}));
    view.texts.clear(), view.enabled.clear();
    view.selected = 4; // no entry
    launcher->OnListClick();
    EXPECT_TRUE(view.enabled[Ctl::DeleteButton] && view.enabled[Ctl::ModifyButton] &&
                view.texts.empty());
    launcher->OnPathChanged();
    EXPECT_TRUE(view.enabled[Ctl::AddButton]);
}

TEST(HotKey, IsNamedRegisteredAndRefusedAsTheTableSays) {
    for (DataRow r : DataRows("hot_keys.tsv")) {
        r.resize(6);
        const std::uint16_t key = HotKeyFromStore(std::int32_t(std::stoul(r[0], nullptr, 16)));
        EXPECT_EQ(std::tuple(HotKeyName(key), HotKeyModifiers(key), IsUsableHotKey(key),
                             HotKeyTakesCharacterText(key, r[4])),
                  std::tuple(r[1], std::stoul(r[2], nullptr, 16), r[3].empty(), r[5]));
    }
}

TEST_F(LauncherTest, TheHotKeyOpensTheMenuAndAKeyAnotherProgramHoldsIsToldAtOnceAndNotKept) {
    registry.PutDword(kSettings, "Hot Key", 0x64B); // Ctrl+Alt+K
    StartWith({}, 1);
    EXPECT_EQ(std::tie(view.held, view.hotKey), std::make_tuple(0x64B, 0x64B));
    EXPECT_EQ(tray.shown.at(1000).file, "C:\\Icons\\0.ico") << "the icon path expanded";
    menus.chosen = false;
    launcher->OnHotKey();
    EXPECT_EQ(
        Lines(log.end() - 2, log.end()),
        (Lines{"track " + std::to_string(menus.Live()) + " at 0,0 for 4660", "post null 4660"}))
        << "opened from no tray icon: the focus is not given to the tray";
    log.clear();
    view.taken = {0x651};
    system.typed[0x641] = "\xC4\x85"; // AltGr+A types "ą"
    // Ctrl+Alt alone, then let go alone (0): not yet, and no clearing either.
    for (const std::uint16_t key : {0x600, 0x64B, 0x651, 0x641, 0x270, 0})
        view.hotKey = key, launcher->OnHotKeyChanged();
    EXPECT_EQ(registry.Dword(kSettings, "Hot Key"), 0x270u);
    launcher->OnHotKeyCleared();
    EXPECT_EQ(log, (Lines{"unregister hot key", "register hot key 1617", "register hot key 1611",
                          "message Ctrl+Alt+Q is in use by another program", "set 1611",
                          "message Ctrl+Alt+A types \"\xC4\x85\" on this keyboard", "set 1611",
                          "unregister hot key", "register hot key 624", "set 624", "set 0",
                          "unregister hot key"}));
    EXPECT_EQ(registry.Dword(kSettings, "Hot Key"), 0u);
    registry.PutDword(kSettings, "Hot Key", 0x4B), launcher->OnStartupTimer(); // K alone: none
    EXPECT_EQ(view.held, 0);
    registry.PutDword(kSettings, "Hot Key", 0x641), launcher->OnStartupTimer();
    EXPECT_EQ(Lines(log.end() - 2, log.end()),
              (Lines{"message Ctrl+Alt+A types \"\xC4\x85\" on this keyboard", "set 0"}));
    log.clear(), view.hotKey = 0x651, launcher->OnHotKeyChanged(); // none held to take back
    EXPECT_EQ(log, (Lines{"unregister hot key", "register hot key 1617",
                          "message Ctrl+Alt+Q is in use by another program", "set 0"}));
    // A key or an icon size chosen is stored at once: a write that fails goes to the window's
    // general error report.
    registry.failingWrites = {"Hot Key", "SmallIcons"};
    view.hotKey = 0x64B;
    EXPECT_THROW(launcher->OnHotKeyChanged(), std::runtime_error);
    EXPECT_THROW(launcher->OnSmallIconsToggled(true), std::runtime_error);
}

TEST_F(LauncherTest, WithShiftALaunchClickOrAMenuChoiceShowsTheEntrysFileInItsFolder) {
    StartWith({.singleClick = true}, 2);
    system.shift = true;
    launcher->OnTrayNotify(1000, kWmLButtonDown);
    launcher->OnMenuCommand(EntryCommand(1));
    EXPECT_EQ(shell.calls.at(0).params + " " + shell.calls.at(1).params,
              "/select,C:\\Apps\\0.exe /select,C:\\Apps\\1.exe");
}

} // namespace
} // namespace corvane::testing
