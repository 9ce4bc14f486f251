// The "General" page through the launcher: Add, Delete, Modify, both Browse dialogs and files
// dropped on the window, with the list, the tray and the menu following.
#include "core/show_commands.h"
#include "core/text.h"
#include "tests/data_rows.h"
#include "tests/native/launcher_rig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace corvane::testing {
namespace {

const std::string kDuplicate = "message Already have this Application in your List";
const std::string kNoPath = "message You Must specify a path before adding";
const std::string kTooMany = "message Attempted to Drop too many Icons, Max is 20";
const std::string kTooLong = "message Path is too long to start, Max is 259 characters";
void Type(LauncherRig& rig, const std::string& path, const std::string& tip) {
    rig.view.texts[Ctl::PathField] = rig.view.texts[Ctl::IconPathField] = path;
    rig.view.texts[Ctl::DescriptionField] = tip;
    rig.icons.knownFiles.insert(path);
}

// The parts of a cell between '|'s; none of an empty one.
Lines Split(const std::string& cell) {
    Lines parts;
    for (std::size_t at = 0; at < cell.size();) {
        const std::size_t end = std::min(cell.find('|', at), cell.size());
        parts.push_back(cell.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}

// Each text the entry rule refuses is told once, by the name of its field.
TEST(EditorTest, AddRefusesADuplicateDescriptionAnEmptyPathAndEachTextTheRuleRefusesWithABoxEach) {
    for (DataRow r : DataRows("editor_adds.tsv")) {
        r.resize(6);
        const Lines tips = Split(r[0]), boxes = Split(r[3]);
        const std::string &path = r[1], &tip = r[2];
        SCOPED_TRACE(tip + "|" + path);
        LauncherRig rig;
        rig.StartWith({}, static_cast<int>(tips.size()), tips);
        Type(rig, path, tip);
        if (!r[4].empty())
            rig.view.texts[Ctl::IconPathField] = r[4];
        rig.view.texts[Ctl::ParametersField] = r[5];
        rig.view.combo = -1;
        rig.launcher->OnAdd();
        Lines expected = boxes;
        const int slot = static_cast<int>(tips.size());
        if (boxes.empty())
            expected = {"row " + tip, "tray add " + std::to_string(1000 + slot), "menu destroy",
                        "menu create"};
        EXPECT_EQ(rig.log, expected);
        EXPECT_EQ(rig.view.rows.size(), tips.size() + boxes.empty());
        if (!boxes.empty())
            continue;
        // The new row is selected and shows the entry, which starts as Normal.
        EXPECT_EQ(std::tie(rig.view.selected, rig.view.combo), std::make_tuple(slot, 0));
        EXPECT_NE(rig.view.rows.back().second, IconRef::None);
        EXPECT_EQ(rig.tray.shown.at(1000 + slot).tip, tip);
        rig.view.texts[Ctl::ParametersField] = "-changed";
        rig.launcher->OnModify(); // changes the entry just added, no other
        const std::vector<Entry> saved = rig.Saved();
        EXPECT_EQ(saved.back(), (Entry{path, path, "-changed", tip}));
        EXPECT_EQ(saved.size(), tips.size() + 1);
    }
}

TEST(EditorTest, TheTwentiethEntryDisablesAddAndAFullTableTakesNoMore) {
    LauncherRig rig;
    rig.StartWith({}, 19);
    Type(rig, "C:\\e.exe", "twenty");
    rig.view.texts[Ctl::IconPathField] = "";
    rig.view.enabled[Ctl::AddButton] = true;
    rig.launcher->OnAdd();
    EXPECT_FALSE(rig.view.enabled[Ctl::AddButton]);
    EXPECT_EQ(rig.tray.shown.at(1019).file, "C:\\e.exe") << "the program's own icon";
    rig.launcher->OnPathChanged();
    EXPECT_FALSE(rig.view.enabled[Ctl::AddButton]) << "a full table keeps Add disabled";
    Type(rig, "C:\\f.exe", "more");
    rig.log.clear();
    rig.launcher->OnAdd();
    EXPECT_EQ(rig.log, Lines{});
    EXPECT_EQ(rig.view.rows.size(), 20u);
    EXPECT_EQ(TableOf(std::vector<Entry>(20)).Append({}), -1) << "nor does the table itself";
}

TEST(EntryTable, EntriesKeepTheirTrayIconIdentifiersAndTheOthersGetTheLowestFree) {
    const auto entries = [](const std::string& ids) {
        std::vector<Entry> entries;
        for (const std::string& id : Split(ids))
            entries.push_back({.iconId = id == "-" ? 0 : std::stoi(id)});
        return entries;
    };
    for (const DataRow& r : DataRows("icon_ids.tsv")) {
        EntryTable table;
        table.AppendAll(entries(r[0]));
        const int held = table.Count();
        table.AppendAll(entries(r[1]));
        std::string given;
        for (int slot = held; slot < table.Count(); ++slot)
            given += (slot > held ? "|" : "") + std::to_string(table.At(slot).iconId);
        EXPECT_EQ(given, r[2]) << r[1];
    }
}

TEST(EditorTest, DeleteRenumbersTheRowsShowsRowZeroAndTheLastDeletionDisablesTheButtons) {
    LauncherRig rig;
    rig.StartWith({}, 3, {"A", "B", "C"});
    rig.view.selected = 1;
    rig.launcher->OnDelete();
    rig.launcher->OnModify();
    EXPECT_EQ(rig.log, Lines{}) << "the fields show row 0, which is no longer selected";
    rig.launcher->OnListClick();
    rig.launcher->OnDelete();
    EXPECT_EQ(rig.log, (Lines{"tray delete 1001", "menu destroy", "menu create"}));
    EXPECT_EQ(rig.view.rows.at(1).first, "C");
    rig.launcher->OnMinimize();
    const StoreContents stored = SettingsStore(rig.registry).Load();
    EXPECT_EQ(stored.entries.at(1).iconId, 1002) << "C keeps its tray icon from run to run";
    // Row 0 is selected and shown, so a Modify now keeps entry A as it is.
    EXPECT_EQ(rig.view.selected, 0);
    EXPECT_EQ(rig.Shown(), (Entry{"C:\\Apps\\0.exe", "%ICONS%\\0.ico", "-p0", "A"}));
    EXPECT_TRUE(rig.view.enabled[Ctl::AddButton]);
    rig.launcher->OnDelete();
    rig.launcher->OnDelete();
    EXPECT_TRUE(rig.view.rows.empty() && rig.tray.shown.empty());
    EXPECT_FALSE(rig.view.enabled[Ctl::DeleteButton] || rig.view.enabled[Ctl::ModifyButton]);
    EXPECT_EQ(rig.view.texts[Ctl::DescriptionField], "C") << "the fields keep the last entry";
    rig.log.clear();
    rig.launcher->OnDelete();
    rig.launcher->OnModify();
    EXPECT_EQ(rig.log, Lines{}) << "nothing selected";
    Type(rig, "C:\\d.exe", "D");
    rig.launcher->OnAdd();
    EXPECT_EQ(rig.log[1], "tray add 1000") << "the lowest identifier free";
}

TEST(EditorTest, ModifyWritesTheFieldsIntoTheSelectedEntryItsRowItsTrayIconAndTheMenu) {
    for (const bool popUp : {false, true}) {
        LauncherRig rig;
        rig.StartWith({.popUp = popUp}, 2);
        rig.view.selected = 1;
        rig.launcher->OnListClick();
        Type(rig, "", "Entry 0"); // Add's rules: refused twice
        rig.launcher->OnModify();
        EXPECT_EQ(rig.log, (Lines{kDuplicate, kNoPath}));
        EXPECT_EQ(rig.Saved().at(1).description, "Entry 1");
        Type(rig, "C:\\new.exe", "New");
        rig.view.texts[Ctl::ParametersField] = "-n";
        rig.view.checked[Ctl::AutoStartBox] = rig.view.checked[Ctl::RunAsAdminBox] = true;
        rig.view.combo = smHidden;
        rig.log.clear();
        const IconRef before = rig.view.preview;
        rig.launcher->OnModify();
        // The preview, the row and the tray (the small one) show the icon path typed by hand.
        const IconRef preview = rig.view.preview;
        EXPECT_TRUE(rig.icons.liveIcons.count(RawOf(preview)) &&
                    !rig.icons.liveIcons.count(RawOf(before)));
        EXPECT_EQ(rig.view.rows.at(1), std::make_pair(std::string("New"), preview));
        if (!popUp) {
            EXPECT_EQ(rig.tray.shown.at(1001), (FakeTrayIcons::Shown{"C:\\new.exe", "New"}));
        }
        // In pop-up mode no tray request: an entry's identifier may be the main icon's.
        EXPECT_EQ(rig.log, popUp ? (Lines{"menu destroy", "menu create"})
                                 : (Lines{"tray modify 1001", "menu destroy", "menu create"}));
        EXPECT_EQ(rig.Saved().at(1),
                  (Entry{"C:\\new.exe", "C:\\new.exe", "-n", "New", true, smHidden, 0, true}));
        rig.view.checked.clear(), rig.launcher->OnListClick();
        EXPECT_TRUE(rig.view.checked[Ctl::RunAsAdminBox]) << "shown again";
    }
}

// The tray shows icons in the order they were added: from the first slot that changed on, they are
// added again in the table's order.
TEST(EditorTest, MoveTakesTheShownEntryWithItsRowTrayIconAndMenuRowAndTheSaveStoresTheOrder) {
    for (const bool popUp : {false, true}) {
        LauncherRig rig;
        rig.StartWith({.popUp = popUp}, 3, {"A", "B", "C"});
        rig.launcher->OnMoveUp();
        EXPECT_EQ(rig.log, Lines{}) << "the first entry goes no higher";
        rig.view.selected = 1;
        rig.launcher->OnMoveDown();
        EXPECT_EQ(rig.log, Lines{}) << "the fields show another entry than the selected one";
        rig.view.selected = 0;
        rig.launcher->OnMoveDown();
        const Lines menu{"menu destroy", "menu create"};
        const Lines trayAndMenu{"tray delete 1001", "tray delete 1000", "tray delete 1002",
                                "tray add 1001",    "tray add 1000",    "tray add 1002",
                                "menu destroy",     "menu create"};
        EXPECT_EQ(rig.log, popUp ? menu : trayAndMenu);
        EXPECT_EQ(rig.view.selected, 1);
        EXPECT_EQ(rig.Shown().description, "A");
        rig.launcher->OnMoveDown();
        rig.log.clear();
        rig.launcher->OnMoveDown();
        EXPECT_EQ(rig.log, Lines{}) << "the last entry goes no lower";
        // The moved rows show their icons; a new DPI gives every row a new one, looked up again.
        const auto moved = rig.view.rows;
        rig.launcher->OnDpiChanged();
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(std::tuple(rig.view.rows.at(i), moved[i].second != IconRef::None),
                      std::tuple(std::pair(std::string(1, "BCA"[i]),
                                           RefOf<IconRef>(rig.icons.nextIcon - 3 + i)),
                                 true));
        rig.launcher->OnMoveUp();
        EXPECT_EQ(rig.Shown().description, "A");
        const std::vector<Entry> saved = rig.Saved();
        EXPECT_EQ(saved.at(1).path + " " + saved.at(2).description, "C:\\Apps\\0.exe C")
            << "A, then C";
        EXPECT_EQ(std::ranges::count(rig.registry.writeLog, "Slot=1"), 1) << "a swap, cut-safe";
    }
}

TEST(EditorTest, BrowseReadsAShortcutByItsWindowStateOrTakesThePlainFileIconBrowseAnIconFile) {
    LauncherRig rig;
    rig.StartWith({}, 1, {"A"});
    rig.files.files = {{"D:\\Links\\max.lnk", {}}, {"D:\\Apps\\tool.exe.lnk", {}}};
    // A shortcut's comment or a file's name longer than a description is cut to one.
    const std::string described(63, 'd'), file = "E:\\" + std::string(70, 'x');
    rig.links.result = {described + "\U0001F600", "C:\\Target.exe", "", "-args", 3};
    rig.icons.knownFiles = {file, "E:\\i.ico"};
    for (const DataRow& r : DataRows("browse_steps.tsv")) {
        rig.view.texts[Ctl::ParametersField] = "-keep";
        rig.view.combo = smHidden;
        rig.links.result.showCmd = std::stoi(r[2]);
        rig.dialogs.answer = OpenFileChoice{r[0], std::stoi(r[1])};
        if (r[0] == "-")
            rig.dialogs.answer.reset();
        rig.launcher->OnBrowse();
        EXPECT_EQ(rig.Shown(), (Entry{r[3], r[4], r[5], r[6], false, std::stoi(r[7])}))
            << rig.dialogs.requests.size();
    }
    EXPECT_EQ(rig.links.paths.back(), "D:\\Apps\\tool.exe.lnk");
    EXPECT_EQ(rig.icons.fileInfoPaths.back(), "D:\\Apps\\tool.exe") << "the preview's";
    const char* filter = "Executables (*.exe)|*.exe|All Files (*.*)|*.*";
    EXPECT_EQ(rig.dialogs.requests[0],
              (OpenFileRequest{"Select an Executable", filter, "exe", "C:\\Apps\\", "", 1, true}));
    // The next use opens with the name and filter chosen last.
    EXPECT_EQ(std::tie(rig.dialogs.requests[3].fileName, rig.dialogs.requests[3].filterIndex),
              std::make_tuple("max.lnk", 2));

    rig.dialogs.answer = OpenFileChoice{"E:\\i.ico", 1};
    rig.launcher->OnIconBrowse();
    EXPECT_EQ(rig.Shown(), (Entry{"C:\\Target.exe", "E:\\i.ico", "-args", described, 0, 2}));
    EXPECT_EQ(rig.view.preview, RefOf<IconRef>(rig.icons.nextIcon - 1));
    filter = "Icon Files (*.ico)|*.ico|Executables (*.exe)|*.exe|All Files (*.*)|*.*";
    // It opens in the folder of the entry's path, not of its icon.
    EXPECT_EQ(rig.dialogs.requests.back(),
              (OpenFileRequest{"Select an Icon File", filter, "ico", "C:\\Apps\\", "", 1, false}));
    // With no row selected the dialogs open where they opened last.
    rig.view.selected = -1;
    rig.launcher->OnIconBrowse();
    EXPECT_EQ(rig.dialogs.requests.back().initialFolder, "C:\\Apps\\");
}

TEST(EditorTest, DroppedFilesBecomeEntriesAllOrNothingAsAddAdmitsThemAndTheDropIsReleased) {
    for (const DataRow& r : DataRows("drops.tsv")) {
        const int existing = std::stoi(r[0]);
        const Lines names = Split(r[1]), addedNames = Split(r.at(3));
        const bool popUp = r[2] == "pop-up";
        SCOPED_TRACE(existing);
        LauncherRig rig;
        rig.StartWith({.popUp = popUp}, existing);
        const Entry shown = rig.Shown();
        const int selected = rig.view.selected;
        rig.view.enabled[Ctl::AddButton] = true;
        rig.drops.names = names;
        rig.icons.knownFiles.insert(names.begin(), names.end());
        rig.launcher->OnFilesDropped(RefOf<DropRef>(0xD0));
        EXPECT_EQ(rig.drops.finished, std::vector{RefOf<DropRef>(0xD0)});
        const bool added = !addedNames.empty();
        EXPECT_EQ(rig.log.at(0), added ? "row ~a.exe" : kTooMany);
        EXPECT_EQ(rig.view.rows.size(), existing + addedNames.size());
        EXPECT_EQ(rig.view.enabled[Ctl::AddButton], rig.view.rows.size() < 20u || !added)
            << "a full table disables Add";
        EXPECT_EQ(std::make_tuple(rig.view.selected, rig.Shown()), std::make_tuple(selected, shown))
            << "the editor is left alone";
        if (!added)
            continue;
        EXPECT_EQ(std::count(rig.log.begin(), rig.log.end(), kDuplicate) +
                      std::count(rig.log.begin(), rig.log.end(), kTooLong),
                  static_cast<long>(names.size() - addedNames.size()));
        const std::vector<Entry> saved = rig.Saved();
        for (std::size_t k = 0; k < addedNames.size(); ++k) {
            const std::string& name = addedNames[k];
            const std::string tip = CutToUtf16("~" + FileNamePart(name), 64);
            EXPECT_EQ(saved.at(existing + k), (Entry{name, name, "", tip}));
            EXPECT_EQ(rig.tray.shown.count(1000 + existing + static_cast<int>(k)), popUp ? 0u : 1u);
        }
        // The menu is made once again; only pop-up mode's lists entries.
        EXPECT_EQ(std::count(rig.log.begin(), rig.log.end(), "menu create"), 1);
        EXPECT_EQ(rig.menus.menus.at(rig.menus.Live()).size(), popUp ? addedNames.size() + 5 : 4u);
    }
}

} // namespace
} // namespace corvane::testing
