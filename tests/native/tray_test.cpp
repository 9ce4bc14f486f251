// The pop-up menu and the Explorer windows that PathRecall follows.
#include "core/show_commands.h"
#include "core/utf16.h"
#include "shell/explorer_tracking.h"
#include "tests/data_rows.h"
#include "tests/native/doubles.h"
#include "tray/menu_commands.h"
#include "tray/popup_menu.h"
#include "tray/tray_notify.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>

namespace corvane::testing {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kExplorer = "C:\\WINDOWS\\Explorer.exe";

template <class... Args> std::string Text(const char* format, Args... args) {
    char line[200];
    std::snprintf(line, sizeof line, format, args...);
    return line;
}

const char* const kRoles[] = {"menu", "menu-text", "highlight", "highlight-text", "blue"};

// WCAG 2's contrast ratio of two colours (0xRRGGBB), from their relative luminance.
double Contrast(std::uint32_t a, std::uint32_t b) {
    double l[2] = {0.05, 0.05};
    for (int i = 0; i < 2; ++i)
        for (auto [shift, weight] : {std::pair{16, 0.2126}, {8, 0.7152}, {0, 0.0722}}) {
            const double c = ((i ? b : a) >> shift & 0xFF) / 255.0;
            l[i] += weight * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
    return std::max(l[0], l[1]) / std::min(l[0], l[1]);
}

TEST(MenuCommands, OnlyTheEntryRowsOwnCommandsChooseAnEntry) {
    for (const DataRow& r : DataRows("menu_commands.tsv"))
        EXPECT_EQ(DecodeMenuCommand(std::stoul(r[0], nullptr, 0)),
                  (MenuCommand{MenuCommand::Kind(std::stoi(r[1])), std::stoi(r[2])}))
            << r[0];
}

// Each gesture on a tray icon, as its mouse messages, asks once for what its mode says.
TEST(TrayClicks, EachGestureAsksOnceForWhatTheModeSays) {
    for (const DataRow& r : DataRows("tray_clicks.tsv")) {
        const char* said[] = {"", "launch ", "menu "}; // None, LaunchEntry, ShowMenu
        std::string asked;
        std::istringstream messages(r[2]);
        for (std::uint32_t message = 0; messages >> std::hex >> message;)
            asked +=
                said[static_cast<int>(TrayActionFor(r[0] == "single", r[1] == "pop-up", message))];
        EXPECT_EQ(asked, r[3] == "-" ? "" : r[3] + " ") << r[0] << " " << r[1] << ": " << r[2];
    }
}

class PopupMenuTest : public ::testing::Test {
protected:
    // Entries "Entry 0".. whose icon files the shell finds, and a menu built for them.
    void Build(int entries, bool popUp, bool small, int dpi = 96) {
        while (table.Count() > entries)
            table.Delete(entries);
        for (int i = table.Count(); i < entries; ++i) {
            const std::string n = std::to_string(i);
            table.Append({"app.exe", n + ".ico", "", "Entry " + n});
            icons.knownFiles.insert(n + ".ico");
        }
        icons.knownFiles.insert(kExplorer);
        menu.SetPopUp(popUp);
        menu.SetSmallIcons(small);
        menu.SetExplorerPath(kExplorer);
        menu.AddBanner(144, OwnedBitmap(system, RefOf<BitmapRef>(0xB90)));
        menu.AddBanner(96, OwnedBitmap(system, FakeSystem::kStripe));
        menu.Rebuild();
        menus.dpi = dpi;
        menu.Track(0, 0, kWindow); // opened at that DPI
    }
    std::optional<Extent> Measure(std::uint32_t id, DrawnItemKind kind = DrawnItemKind::MenuItem) {
        return menu.Measure({.kind = kind, .command = id}, text);
    }
    // A menu row drawn whole.
    DrawnItem Row(std::uint32_t id, Rect rect) {
        return {DrawnItemKind::MenuItem, id, RefOf<MenuRef>(menus.Live()), true, false, rect};
    }
    // Whether the row answered and its picture, a line a part; it asks the shell nothing.
    Lines Draw(const DrawnItem& item) {
        const std::size_t asked = icons.fileInfoPaths.size();
        const std::optional<RowPicture> p = menu.Picture(item);
        EXPECT_EQ(icons.fileInfoPaths.size(), asked) << "the shell asked while painting";
        if (!p)
            return {"no"};
        const auto box = [](const Rect& r) { // x, y, width, height
            return Text("%d,%d,%d,%d", r.left, r.top, r.right - r.left, r.bottom - r.top);
        };
        const auto colour = [&](ColorRole role) {
            const PaintColour c = ColourIn(p->palette, role);
            return c.system ? std::string(kRoles[int(*c.system)]) : Text("%06X", c.rgb);
        };
        Lines lines{"yes"};
        if (p->fill)
            lines.push_back("fill " + box(*p->fill));
        if (p->band)
            lines.push_back("band " + box(*p->band) + " " + colour(ColorRole::BannerBlue));
        if (!p->bannerText.empty())
            lines.push_back(Text("banner '%s' at %d,%d cell %d", p->bannerText.c_str(),
                                 p->bannerTextX, p->bannerTextY, p->bannerFontHeight));
        if (p->stripe != BitmapRef::None)
            lines.push_back(Text("stripe %lx at ", RawOf(p->stripe)) + box(p->stripeAt));
        if (p->icon != IconRef::None) {
            EXPECT_TRUE(icons.liveIcons.count(RawOf(p->icon))) << "an icon not alive";
            lines.push_back(Text("icon %lx at ", RawOf(p->icon) >> 12) + box(p->iconAt));
        }
        EXPECT_TRUE(p->palette != Palette::Dark ||
                    Contrast(ColourIn(p->palette, p->textColor).rgb,
                             ColourIn(p->palette, p->background).rgb) >= 4.5);
        lines.push_back(Text("text '%s' at %d,%d in %d,%d,%d,%d colours %s/%s font %d",
                             p->text.c_str(), p->textX, p->textY, p->opaque.left, p->opaque.top,
                             p->opaque.right, p->opaque.bottom, colour(p->textColor).c_str(),
                             colour(p->background).c_str(), p->fontDpi));
        return lines;
    }

    CallLog log;
    FakeMenus menus{log};
    FakeFileIcons icons;
    FakeSystem system{log};
    ProportionalText text;
    EntryTable table;
    PopupMenu menu{menus, icons, system, table};
};

TEST_F(PopupMenuTest, EntryRowsAndASeparatorComeFirstOnlyInPopUpModeAndFitTheirDescription) {
    Build(2, true, true);
    EXPECT_EQ(icons.fileInfoPaths, (Lines{"0.ico", "1.ico", kExplorer})) << "once each, at build";
    table.Modify(0, {"app.exe", "", "", "Mail"}); // 11 + 7 + 3 + 3 wide
    EXPECT_EQ(Measure(EntryCommand(0)), (Extent{24 + 22 + 15, 22}));
    text.fontHeight = 25;
    EXPECT_EQ(Measure(EntryCommand(0)), (Extent{24 + 22 + 15, 25})) << "taller";
    menu.SetSmallIcons(false);
    EXPECT_EQ(Measure(EntryCommand(0)), (Extent{24 + 38 + 15, 38}));
    EXPECT_EQ(Measure(kCmdPathRecall), (Extent{40, 16}));
    Build(2, true, false, 144); // half as large again, the text in the menu font for 144 DPI
    EXPECT_EQ(Measure(EntryCommand(0)), (Extent{36 + 57 + 23, 57}));
    EXPECT_EQ(Measure(kCmdPathRecall), (Extent{60, 24}));
    EXPECT_EQ(icons.fileInfoPaths.size(), 11u) << "looked up again for the new DPI";
    for (auto [id, kind] : {std::pair{kCmdOptions, DrawnItemKind::MenuItem},
                            {EntryCommand(0), DrawnItemKind::ListItem}})
        EXPECT_EQ(Measure(id, kind), std::nullopt) << id;

    const Lines commands{"drawn 912 PathRecaller", "text 913", "text 915", "text 914"};
    Build(2, false, true);
    EXPECT_EQ(menus.menus.at(menus.Live()), commands);
    table.Modify(1, {"app.exe", "1.ico", "", "&R&D && Co&"}); // spoken as shown: no "&" is a key
    Build(2, true, true);
    EXPECT_EQ(icons.liveIcons.size(), 2u) << "Entry 1's and Explorer's: Mail has no icon file";
    EXPECT_EQ(Draw(Row(EntryCommand(0), {0, 0, 150, 22})),
              (Lines{"yes", "text 'Mail' at 47,5 in 42,0,150,22 colours menu-text/menu font 96"}));
    Lines rows{"drawn 40000 Mail", "drawn 40001 &&R&&D &&&& Co&&", "separator"};
    rows.insert(rows.end(), commands.begin(), commands.end());
    EXPECT_EQ(menus.menus.at(menus.Live()), rows) << "the old menu is gone";
    table.Delete(0);
    table.Delete(0);
    menu.Rebuild();
    EXPECT_EQ(menus.menus.at(menus.Live()).front(), "separator");
    menu.Destroy();
    EXPECT_TRUE(icons.liveIcons.empty() && menus.menus.empty());
}

TEST_F(PopupMenuTest, RowsDrawAsTheTableSays) {
    ASSERT_NEAR(Contrast(0x777777, 0xFFFFFF), 4.48, 0.01) << "the oracle";
    for (const DataRow& r : DataRows("menu_rows.tsv")) {
        const auto n = [&](int i) {
            return std::stoi(r.at(i));
        };
        Build(n(0), r[1] == "pop-up", r[2] == "small", n(3));
        DrawnItem item = Row(n(5) < 20 ? EntryCommand(n(5)) : n(5), {n(9), n(10), n(11), n(12)});
        item.kind = n(4) == 1   ? DrawnItemKind::MenuItem
                    : n(4) == 2 ? DrawnItemKind::ListItem
                                : DrawnItemKind::Other;
        item.whole = n(6) == 1, item.selected = n(7) == 1;
        item.menu = r[8] == "own" ? item.menu : RefOf<MenuRef>(0x4242);
        item.palette = r[13] == "dark" ? Palette::Dark : Palette(r[13] == "contrast");
        EXPECT_EQ(Draw(item), Lines(r.begin() + 14, r.end())) << r[5] << " at " << r[10];
    }
}

// From the task bar the menu opens at the nearest point of its monitor's work area.
TEST_F(PopupMenuTest, OpensInsideTheWorkAreaOfThePointsMonitor) {
    Build(1, false, true);
    menus.workArea = {1280, 0, 2560, 984};
    for (const DataRow& r : DataRows("menu_places.tsv")) {
        log.clear();
        EXPECT_EQ(menu.Track(std::stoi(r[0]), std::stoi(r[1]), kWindow), MenuOutcome::Chosen);
        EXPECT_NE(log.at(0).find(" at " + r[2] + " "), std::string::npos) << log.at(0);
    }
    menus.chosen = false;
    EXPECT_EQ(menu.Track(0, 0, kWindow), MenuOutcome::Dismissed);
    menu.Destroy();
    EXPECT_EQ(menu.Track(0, 0, kWindow), MenuOutcome::NotShown);
}

TEST_F(PopupMenuTest, ALetterChoosesAmongTheRowsTheProgramDrawsByWhatTheyShow) {
    system.variables["ICONS"] = "C:\\Icons";
    for (const DataRow& r : DataRows("menu_chars.tsv")) {
        table = EntryTable();
        for (std::size_t i = 4; i < r.size(); ++i)
            table.Append({"app.exe", "%ICONS%\\a.ico", "", r[i]});
        Build(table.Count(), true, true), menus.highlighted = std::stoi(r[1]);
        EXPECT_EQ(menu.AnswerMenuChar((Utf8ToUtf16(r[0]) + u'\0')[0], RefOf<MenuRef>(menus.Live())),
                  (MenuCharAnswer{r[2] == "execute"  ? MenuCharAction::Execute
                                  : r[2] == "select" ? MenuCharAction::Select
                                                     : MenuCharAction::Ignore,
                                  std::uint32_t(std::stoul(r[3]))}))
            << r[0] << " after " << r[1] << " in " << r[4];
    }
    EXPECT_EQ(icons.fileInfoPaths.front(), "C:\\Icons\\a.ico") << "the row's icon, expanded";
    EXPECT_EQ(menu.AnswerMenuChar(u'p', RefOf<MenuRef>(0x1)), MenuCharAnswer{}) << "not our menu";
    Build(1, false, true);
    EXPECT_EQ(menu.AnswerMenuChar(u'p', RefOf<MenuRef>(menus.Live())),
              (MenuCharAnswer{MenuCharAction::Execute, 0}))
        << "PathRecall first outside pop-up mode";
}

TEST(ExplorerTracking, PathRecallOpensExplorerOnTheFolderOfTheLastExplorerWindowReported) {
    CallLog log;
    FakeSystem system{log};
    RecordingShell shell{log};
    ExplorerTracker tracker{system, shell, system, system};
    const auto recalled = [&](const std::string& title, std::intptr_t code = 4,
                              const std::string& windowClass = "ExploreWClass") {
        system.titles[0xE1] = title; // also what a window that has gone gives
        system.classes[0xE1] = windowClass;
        tracker.OnWindowReported(RefOf<WindowRef>(0xE1), code);
        tracker.Recall(kWindow);
        return shell.calls.back().params;
    };
    tracker.Start(kWindow);
    for (const DataRow& r : DataRows("explorer_selects.tsv")) {
        shell.calls.clear(), tracker.ShowInFolder(kWindow, r[0]);
        const ShellCall shown{kWindow, false, "open", kExplorer, r.back(), "C:\\WINDOWS", kSwShow};
        EXPECT_EQ(shell.calls, std::vector(r.size() > 1, shown)) << r[0];
    }
    EXPECT_EQ(recalled("", 4), "/n,/e,");
    for (const DataRow& row : DataRows("explorer_titles.tsv")) {
        system.shown.erase(0xE1);
        if (row.size() > 3)
            system.shown[0xE1] = row[3];
        const std::size_t asked = system.asked.size();
        EXPECT_EQ(recalled(row[0], 4, row[2]), "/n,/e," + row[1]) << row[0] << " in " << row[2];
        EXPECT_EQ(system.asked.size() - asked, row[2] == "CabinetWClass" ? 1u : 0u) << row[0];
    }
    const std::string folder = "C:\\" + std::string(300, 'f');
    EXPECT_EQ(recalled("Exploring - " + folder), "/n,/e," + folder.substr(0, 248));
    EXPECT_EQ(system.titleLimits.back(), 260u);
    system.shown[0xE1] = "D:\\New";
    for (const char* windowClass : {"ExploreWClass", "CabinetWClass"})
        EXPECT_EQ(recalled("Exploring - D:\\New", 1, windowClass), "/n,/e," + folder.substr(0, 248))
            << "a window just made may have no title nor folder yet";
    system.windowsDir = std::string(200, 'w'); // too long for the buffer
    tracker.Start(kWindow);
    EXPECT_EQ(tracker.ExplorerPath(), "\\Explorer.exe");
}

} // namespace
} // namespace corvane::testing
