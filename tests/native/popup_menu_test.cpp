#include "tests/native/canvas_double.h"
#include "tray/menu_commands.h"
#include "tray/popup_menu.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane::testing {
namespace {

using Lines = std::vector<std::string>;

class PopupMenuTest : public ::testing::Test {
protected:
    static std::string IconPath(int i) { return "C:\\Icons\\" + std::to_string(i) + ".ico"; }
    static constexpr const char* kExplorer = "C:\\WINDOWS\\Explorer.exe";

    // Entries "Entry 0".. whose icon files the shell finds, and a menu built
    // for them.
    void Build(int entries, bool popUp, bool small) {
        for (int i = table.Count(); i < entries; ++i) {
            table.Append({"app.exe", IconPath(i), "", "Entry " + std::to_string(i)});
            icons.knownFiles.insert(IconPath(i));
        }
        icons.knownFiles.insert(kExplorer);
        menu.SetPopUp(popUp);
        menu.SetSmallIcons(small);
        menu.SetExplorerPath(kExplorer);
        menu.SetBanner(OwnedBitmap(system, system.LoadBitmapResource("STRIPE")));
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
    // Row id of a menu whose entry rows stand at the top, height h each.
    DrawItemRequest EntryRow(std::uint32_t id, int h) {
        return Row(id, Rect{0, static_cast<int>(id) * h, 180, static_cast<int>(id + 1) * h});
    }

    // What the row drew; nothing made for it may be left over.
    Lines Draw(const DrawItemRequest& request, bool answered = true) {
        canvas.drawn.clear();
        const auto iconsBefore = icons.liveIcons;
        EXPECT_EQ(menu.Draw(canvas, request), answered);
        EXPECT_EQ(canvas.Problems(), "");
        EXPECT_EQ(icons.liveIcons, iconsBefore) << "an icon made for the row is alive";
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

TEST_F(PopupMenuTest, EntryRowsAndASeparatorComeFirstOnlyInPopUpMode) {
    const Lines commands{"drawn 912", "text 913", "text 915", "text 914"};
    Build(2, false, true);
    EXPECT_EQ(menus.menus.at(menus.Live()), commands);
    menu.SetPopUp(true);
    menu.Rebuild();
    Lines rows{"drawn 0", "drawn 1", "separator"};
    rows.insert(rows.end(), commands.begin(), commands.end());
    EXPECT_EQ(menus.menus.at(menus.Live()), rows) << "the old menu is gone";
    table.Delete(0);
    table.Delete(0);
    menu.Rebuild();
    EXPECT_EQ(menus.menus.at(menus.Live()).front(), "separator");
    menu.Destroy();
    EXPECT_TRUE(menus.menus.empty());
    menu.Track(0, 0, kWindow);
    EXPECT_EQ(log.back(), "menu destroy") << "no menu, nothing tracked";
}

TEST_F(PopupMenuTest, AnEntryRowFitsItsDescriptionInTheWindowsFontAndItsIcon) {
    Build(2, true, true);
    table.Modify(0, {"app.exe", "", "", "Mail"}); // 11 + 7 + 3 + 3 wide
    table.Modify(1, {"app.exe", "", "", ""});
    EXPECT_EQ(Measure(0), std::make_tuple(true, 24u + 22u + 15u, 22u));
    EXPECT_EQ(Measure(1), std::make_tuple(true, 22u + 15u, 22u));
    canvas.fontHeight = 25;
    EXPECT_EQ(Measure(0), std::make_tuple(true, 24u + 22u + 15u, 25u)) << "a taller font";
    menu.SetSmallIcons(false);
    EXPECT_EQ(Measure(0), std::make_tuple(true, 24u + 38u + 15u, 38u));
    EXPECT_EQ(canvas.measured, (Lines{"Mail", "", "Mail", "Mail"}));
}

TEST_F(PopupMenuTest, PathRecallMeasuresFixedAndOtherRequestsAreLeftAlone) {
    Build(2, true, true);
    EXPECT_EQ(Measure(kCmdPathRecall), std::make_tuple(true, 40u, 16u));
    for (auto [id, type] : {std::pair{kCmdOptions, kOdtMenu}, {20u, kOdtMenu}, {0u, kOdtListBox}})
        EXPECT_EQ(Measure(id, type), std::make_tuple(false, 111u, 222u)) << id;
    EXPECT_TRUE(canvas.measured.empty());
}

TEST_F(PopupMenuTest, EachWholeEntryRowReaching154DrawsTheBannerDownToItsBottom) {
    struct Case {
        bool small;
        std::uint32_t id;
        int bottom; // where the banner ends, 0 for none
    };
    // 6 x 22 and 4 x 38 are not enough.
    for (const Case& c : {Case{true, 5, 0}, Case{true, 6, 154}, Case{true, 9, 220},
                          Case{false, 3, 0}, Case{false, 4, 190}}) {
        Build(10, true, c.small);
        const int h = c.small ? 22 : 38;
        const Lines drawn = Draw(EntryRow(c.id, h));
        ASSERT_EQ(drawn.size(), c.bottom ? 4u : 2u) << c.id;
        if (c.bottom)
            EXPECT_EQ(Lines(drawn.begin(), drawn.begin() + 2),
                      (Lines{"rect 0,0,20," + std::to_string(c.bottom) + " fill ff0000",
                             "blit b17 from 0,0,20,154 to 0," + std::to_string(c.bottom - 154) +
                                 ",20,154 rop cc0020"}));
    }
}

TEST_F(PopupMenuTest, TheBannerIsLeftOutOfPartialDrawsOtherWindowsAndOtherRows) {
    Build(10, true, true);
    DrawItemRequest selection = EntryRow(8, 22), otherWindow = EntryRow(8, 22),
                    listBox = EntryRow(8, 22);
    selection.itemAction = 2; // ODA_SELECT
    otherWindow.hwndItem = 0x4242;
    listBox.CtlType = kOdtListBox;
    for (const DrawItemRequest& request :
         {selection, otherWindow, listBox, Row(kCmdPathRecall, Rect{0, 229, 180, 245})})
        EXPECT_EQ(Draw(request).size(), 2u) << "the icon and the text only";
    DrawItemRequest button = EntryRow(8, 22);
    button.CtlType = 4; // an owner-drawn button
    EXPECT_TRUE(Draw(button, false).empty());
    EXPECT_TRUE(Draw(Row(kCmdOptions, Rect{0, 0, 180, 300}), false).empty());
}

TEST_F(PopupMenuTest, EntryRowsPlaceIconAndTextByTheRowHeight) {
    struct Case {
        bool small;
        std::uint32_t id;
        Rect rect;
        Lines drawn;
    };
    const Case cases[] = {
        {true,
         2,
         {0, 44, 150, 66},
         {"icon 16 at 22,47,16,16 flags 3",
          "text 'Entry 2' at 47,49 options 2 in 42,44,150,66 colours 7/4"}},
        {false,
         1,
         {0, 38, 150, 76},
         {"icon 32 at 22,38,32,32 flags 3",
          "text 'Entry 1' at 63,47 options 2 in 58,38,150,76 colours 7/4"}},
        {true,
         0,
         {3, 0, 150, 22},
         {"icon 16 at 22,3,16,16 flags 3",
          "text 'Entry 0' at 50,5 options 2 in 45,0,150,22 colours 7/4"}},
    };
    for (const Case& c : cases) {
        Build(3, true, c.small);
        EXPECT_EQ(Draw(Row(c.id, c.rect)), c.drawn);
    }
    // A selected row is highlighted right of the icon column.
    Build(3, true, true);
    DrawItemRequest selected = Row(2, Rect{0, 44, 150, 66});
    selected.itemState = kOdsSelected | 0x10; // and ODS_FOCUS
    EXPECT_EQ(Draw(selected).back(),
              "text 'Entry 2' at 47,49 options 2 in 42,44,150,66 colours 14/13");
}

TEST_F(PopupMenuTest, ARowWithoutIconOrDescriptionStillFillsItsTextArea) {
    Build(2, true, false);
    table.Modify(1, {"app.exe", "C:\\gone.ico"});
    EXPECT_EQ(Draw(EntryRow(1, 38)),
              (Lines{"text '' at 63,47 options 2 in 58,38,180,76 colours 7/4"}));
}

// The PathRecall row's drawing with its label left out.
Lines Unlabelled(Lines drawn) {
    for (std::string& line : drawn)
        if (line.starts_with("text '"))
            line.erase(6, line.find('\'', 6) - 6);
    return drawn;
}

TEST_F(PopupMenuTest, PathRecallShowsExplorersIconBelowTheEntriesInPopUpMode) {
    for (bool small : {true, false}) {
        Build(4, true, small);
        const int top = 4 * (small ? 22 : 38) + 9;
        const std::string t = std::to_string(top);
        DrawItemRequest row = Row(kCmdPathRecall, Rect{0, top, 160, top + 16});
        row.itemState = small ? 0 : kOdsSelected;
        EXPECT_EQ(Unlabelled(Draw(row)),
                  (Lines{"icon 16 at 2," + t + ",16,16 flags 3",
                         "text '' at 22," + t + " options 2 in 22," + t + ",160," +
                             std::to_string(top + 16) + " colours " + (small ? "7/4" : "14/13")}));
    }
}

TEST_F(PopupMenuTest, WithoutPopUpThePathRecallIconSitsInTheMiddleOfItsRow) {
    Build(4, false, true);
    for (auto [rect, iconY] :
         {std::pair{Rect{0, 0, 120, 16}, 0}, {Rect{0, 3, 120, 23}, 5}, {Rect{4, 2, 120, 12}, 2}}) {
        const Lines drawn = Draw(Row(kCmdPathRecall, rect));
        ASSERT_EQ(drawn.size(), 2u);
        EXPECT_EQ(drawn[0], "icon 16 at 2," + std::to_string(iconY) + ",16,16 flags 3");
        EXPECT_TRUE(drawn[1].find(" at " + std::to_string(rect.left + 22) + ",") !=
                    std::string::npos)
            << drawn[1];
    }
}

} // namespace
} // namespace corvane::testing
