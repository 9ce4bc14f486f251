// The launcher's export of its settings to a registry file and import of one.
#include "core/store_file.h"
#include "tests/native/launcher_rig.h"
#include "tray/tray_notify.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

class ExchangeTest : public ::testing::Test, public LauncherRig {};

// Export writes what a save stores into the file chosen in the save dialog. Import shows what a
// file holds and only after Yes puts it in place of the table, its rows, tray icons and the boxes;
// a file refused, or a No, changes nothing.
TEST_F(ExchangeTest, ExportWritesTheChosenFileAndImportReplacesTheTableOnlyAfterYes) {
    StartWith({.singleClick = true, .smallIcons = true}, 2, {"A", "B"});
    dialogs.answer = OpenFileChoice{"C:\\s.reg"};
    launcher->OnExport();
    ASSERT_TRUE(dialogs.requests.back().save);
    const StoreImport exported = ImportStore(files.files.at("C:\\s.reg"));
    ASSERT_TRUE(exported.contents);
    EXPECT_EQ(exported.contents->entries.at(1).description, "B");
    EXPECT_EQ(exported.contents->options, (Options{true, false, false, true}));
    files.refused.insert("C:\\r.reg");
    dialogs.answer = OpenFileChoice{"C:\\r.reg"};
    launcher->OnExport();
    EXPECT_EQ(log, Lines{"message Could not write C:\\r.reg"});

    const std::string bad = "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software]";
    files.files["C:\\bad.reg"].assign(bad.begin(), bad.end());
    EntryTable next;
    next.Append({"C:\\c.exe", "", "", "C", false, 0, 1007});
    files.files["C:\\next.reg"] = ExportStore({false, false, true, false}, 0, next);
    for (const char* name : {"C:\\none.reg", "C:\\bad.reg", "C:\\next.reg"}) {
        dialogs.answer = OpenFileChoice{name};
        launcher->OnImport();
    }
    EXPECT_FALSE(dialogs.requests.back().save);
    const std::string question =
        "ask The file holds 1 entry:\n1. C\n    Path: C:\\c.exe\n\nHide on Startup: No\n"
        "Single Click Launch: No\nPop-up menu: Yes\nSmall Icons: No\nHot key: None\n\n"
        "Replace the entries and options with these?";
    EXPECT_EQ(log,
              (Lines{"message Could not write C:\\r.reg", "message Could not read C:\\none.reg",
                     "message The file cannot be imported. Line 2: names a key outside "
                     "Corvane's settings.",
                     question}));
    EXPECT_EQ(view.rows.size(), 2u);
    log.clear();
    view.yes = true;
    launcher->OnImport();
    EXPECT_EQ(log, (Lines{question, "row C", "set 0", "tray delete 1000", "tray delete 1001",
                          "tray add 1007", "menu destroy", "menu create"}))
        << "the entry keeps the tray icon identifier it was exported with";
    EXPECT_EQ(Shown().description, "C");
    EXPECT_TRUE(view.checked[Ctl::PopUpBox] && !view.checked[Ctl::HideOnStartBox] &&
                !view.checked[Ctl::SmallIconsBox] && view.enabled[Ctl::AddButton]);
    EXPECT_EQ(registry.Dword(kSettings, "SmallIcons"), 0u) << "stored at once, as a click does";
    // The click rule follows the box: a single click launches no more.
    launcher->OnTrayNotify(1007, kWmLButtonDown);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(Saved(), (std::vector<Entry>{{"C:\\c.exe", "C:\\c.exe", "", "C"}}));
    files.files["C:\\empty.reg"] = ExportStore({}, 0, EntryTable{});
    dialogs.answer = OpenFileChoice{"C:\\empty.reg"};
    launcher->OnImport();
    EXPECT_FALSE(!view.rows.empty() || view.enabled[Ctl::DeleteButton] ||
                 view.enabled[Ctl::ModifyButton]);
}

} // namespace
} // namespace corvane::testing
