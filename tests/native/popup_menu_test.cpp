#include "tests/native/canvas_double.h"
#include "tray/menu_commands.h"
#include "tray/popup_menu.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane::testing {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kExplorer = "C:\\WINDOWS\\Explorer.exe";

class PopupMenuTest : public ::testing::Test {
protected:
    // Entries "Entry 0".. whose icon files the shell finds, and a menu built for them.
    void Build(int entries, bool popUp, bool small) {
        for (int i = table.Count(); i < entries; ++i) {
            const std::string n = std::to_string(i);
            table.Append({"app.exe", n + ".ico", "", "Entry " + n});
            icons.knownFiles.insert(n + ".ico");
        }
        icons.knownFiles.insert(kExplorer);
        menu.SetPopUp(popUp);
        menu.SetSmallIcons(small);
        menu.SetExplorerPath(kExplorer);
        menu.SetBanner(OwnedBitmap(system, FakeSystem::kStripe));
        menu.Rebuild();
    }
    std::tuple<bool, std::uint32_t, std::uint32_t> Measure(std::uint32_t id,
                                                           std::uint32_t type = kOdtMenu) {
        MeasureItemRequest request{type, 0, id, 111, 222};
        const bool answered = menu.Measure(canvas, kWindow, request);
        EXPECT_EQ(canvas.Problems(), "");
        return {answered, request.itemWidth, request.itemHeight};
    }
    // A menu row drawn whole and not selected.
    DrawItemRequest Row(std::uint32_t id, Rect rect) {
        return {kOdtMenu, 0, id, kOdaDrawEntire, 0, menus.Live(), canvas.RequestDC(), rect};
    }
    // What the row drew, a line a call; nothing made for it may be left.
    Lines Draw(const DrawItemRequest& request, bool answered = true) {
        canvas.drawn.clear();
        const auto iconsBefore = icons.liveIcons;
        const std::size_t asked = icons.fileInfoPaths.size();
        EXPECT_EQ(menu.Draw(canvas, request), answered);
        EXPECT_EQ(canvas.Problems(), "");
        EXPECT_EQ(icons.liveIcons, iconsBefore) << "an icon made for the row is alive";
        EXPECT_EQ(icons.fileInfoPaths.size(), asked) << "the shell asked while painting";
        return canvas.drawn;
    }

    CallLog log;
    FakeMenus menus{log};
    FakeShellIcons icons{log};
    FakeSystem system{log};
    EntryTable table;
    PopupMenu menu{menus, icons, table};
    RecordingCanvas canvas{icons};
};

TEST_F(PopupMenuTest, EntryRowsAndASeparatorComeFirstOnlyInPopUpModeAndFitTheirDescription) {
    Build(2, true, true);
    table.Modify(0, {"app.exe", "", "", "Mail"}); // 11 + 7 + 3 + 3 wide
    EXPECT_EQ(Measure(0), std::make_tuple(true, 24u + 22u + 15u, 22u));
    canvas.fontHeight = 25;
    EXPECT_EQ(Measure(0), std::make_tuple(true, 24u + 22u + 15u, 25u)) << "a taller font";
    menu.SetSmallIcons(false);
    EXPECT_EQ(Measure(0), std::make_tuple(true, 24u + 38u + 15u, 38u));
    EXPECT_EQ(Measure(kCmdPathRecall), std::make_tuple(true, 40u, 16u));
    for (auto [id, type] : {std::pair{kCmdOptions, kOdtMenu}, {20u, kOdtMenu}, {0u, kOdtListBox}})
        EXPECT_EQ(Measure(id, type), std::make_tuple(false, 111u, 222u)) << id;

    const Lines commands{"drawn 912", "text 913", "text 915", "text 914"};
    Build(2, false, true);
    EXPECT_EQ(menus.menus.at(menus.Live()), commands);
    Build(2, true, true);
    Lines rows{"drawn 0", "drawn 1", "separator"};
    rows.insert(rows.end(), commands.begin(), commands.end());
    EXPECT_EQ(menus.menus.at(menus.Live()), rows) << "the old menu is gone";
    table.Delete(0);
    table.Delete(0);
    menu.Rebuild();
    EXPECT_EQ(menus.menus.at(menus.Live()).front(), "separator");
    menu.Destroy();
    menu.Track(0, 0, kWindow);
    EXPECT_EQ(log.back(), "menu destroy") << "no menu, nothing tracked";
}

TEST_F(PopupMenuTest, EachWholeEntryRowReaching154DrawsTheBannerDownToItsBottom) {
    // 4 x 38 is not enough.
    for (auto [h, id, bottom] : {std::tuple{22, 6, 154}, {38, 3, 0}, {38, 4, 190}}) {
        Build(10, true, h == 22);
        const Lines drawn = Draw(Row(id, Rect{0, id * h, 180, id * h + h}));
        const std::string b = std::to_string(bottom), top = std::to_string(bottom - 154);
        const Lines banner{"rect 0,0,20," + b + " fill ff0000",
                           "blit b17 from 0,0,20,154 to 0," + top + ",20,154 rop cc0020"};
        ASSERT_EQ(drawn.size(), bottom ? 4u : 2u) << id;
        EXPECT_EQ(Lines(drawn.begin(), drawn.end() - 2), bottom ? banner : Lines{});
    }
    // Not for a partial draw, another window's item, or another row or kind.
    const DrawItemRequest row = Row(8, Rect{0, 176, 180, 198});
    DrawItemRequest selection = row, otherWindow = row, listBox = row, button = row;
    selection.itemAction = 2; // ODA_SELECT
    otherWindow.hwndItem = 0x4242;
    listBox.CtlType = kOdtListBox;
    button.CtlType = 4; // an owner-drawn button
    for (const DrawItemRequest& other :
         {selection, otherWindow, listBox, Row(kCmdPathRecall, Rect{0, 229, 180, 245})})
        EXPECT_EQ(Draw(other).size(), 2u) << "the icon and the text only";
    EXPECT_TRUE(Draw(button, false).empty());
    EXPECT_TRUE(Draw(Row(kCmdOptions, Rect{0, 0, 180, 300}), false).empty());
}

TEST_F(PopupMenuTest, EntryRowsPlaceIconAndTextByTheRowHeight) {
    Build(3, true, true);
    // Selected (and focused): highlighted right of the icon column.
    DrawItemRequest selected = Row(2, Rect{3, 44, 150, 66});
    selected.itemState = kOdsSelected | 0x10;
    EXPECT_EQ(Draw(selected),
              (Lines{"icon 16 at 22,47,16,16 flags 3",
                     "text 'Entry 2' at 50,49 options 2 in 45,44,150,66 colours 14/13"}));
    // The icons are the menu's from its build to its end, at the rows' size.
    table.Modify(1, {"app.exe", "C:\\gone.ico"}); // no icon found, no description
    menu.SetSmallIcons(false);
    EXPECT_EQ(Draw(Row(2, Rect{0, 76, 150, 114})).front(), "icon 32 at 22,76,32,32 flags 3");
    EXPECT_EQ(Draw(Row(1, Rect{0, 38, 150, 76})),
              (Lines{"text '' at 63,47 options 2 in 58,38,150,76 colours 7/4"}));
    menu.Destroy();
    EXPECT_TRUE(icons.liveIcons.empty());
}

TEST_F(PopupMenuTest, PathRecallShowsExplorersIconBelowTheEntriesInPopUpModeElseMidRow) {
    // In pop-up mode the icon's place is 4 entry rows and the separator down,
    // wherever the request puts the row.
    for (auto [popUp, small, rect, iconY] : {std::tuple{true, true, Rect{0, 300, 160, 330}, 97},
                                             {true, false, Rect{0, 300, 160, 330}, 161},
                                             {false, true, Rect{0, 3, 120, 23}, 5},
                                             {false, true, Rect{4, 2, 120, 12}, 2}}) {
        Build(4, popUp, small);
        DrawItemRequest row = Row(kCmdPathRecall, rect);
        row.itemState = small ? 0 : kOdsSelected;
        const auto [l, t, r, b] = rect;
        char text[100];
        std::snprintf(text, sizeof text,
                      "text 'PathRecaller' at %d,%d options 2 in %d,%d,%d,%d colours %s", l + 22, t,
                      l + 22, t, r, b, small ? "7/4" : "14/13");
        EXPECT_EQ(Draw(row),
                  (Lines{"icon 16 at 2," + std::to_string(iconY) + ",16,16 flags 3", text}));
    }
}

} // namespace
} // namespace corvane::testing
