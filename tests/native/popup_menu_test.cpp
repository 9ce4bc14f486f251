#include "tests/native/tray_fixture.h"
#include "tray/owner_draw.h"
#include "tray/popup_menu.h"

#include <tuple>

namespace corvane::testing {
namespace {

using Item = FakeMenus::Item;

const Item kPathRecallItem{Item::OwnerDraw, 912, "PathRecall", true};
const Item kOptionsItem{Item::String, 913, "Options...", true};
const Item kHelpItem{Item::String, 915, "Help", true};
const Item kExitItem{Item::String, 914, "Exit Corvane", true};
const Item kSeparator{Item::Separator, 0, "", false};

class PopupMenuTest : public TrayFormTest {
protected:
    MeasureItemRequest Measure(std::uint32_t id, std::uint32_t kind = kOdtMenu) {
        MeasureItemRequest request;
        request.CtlType = kind;
        request.itemID = id;
        request.itemWidth = 111;
        request.itemHeight = 222;
        answered = form->WMMeasureItem(canvas, request);
        return request;
    }

    // A request for a row of the menu, drawn whole and not selected unless
    // said otherwise.
    DrawItemRequest Row(std::uint32_t id, Rect rect) {
        DrawItemRequest request;
        request.CtlType = kOdtMenu;
        request.itemID = id;
        request.itemAction = kOdaDrawEntire;
        request.hwndItem = RawOf(form->MenuHandle);
        request.hDC = canvas.RequestDC();
        request.rcItem = rect;
        return request;
    }

    // Row id of a menu whose entry rows stand at the top, ItemHeight high.
    DrawItemRequest EntryRow(std::uint32_t id) {
        const int h = form->ItemHeight;
        const int top = static_cast<int>(id) * h;
        return Row(id, Rect{0, top, 180, top + h});
    }

    bool Draw(const DrawItemRequest& request) {
        const std::size_t iconsBefore = icons.liveIcons.size();
        const bool handled = form->WMDrawItem(canvas, request);
        EXPECT_TRUE(canvas.Clean()) << canvas.Describe();
        EXPECT_EQ(icons.liveIcons.size(), iconsBefore) << "an icon made for the row is alive";
        return handled;
    }

    bool answered = false;
};

TEST_F(PopupMenuTest, WithoutPopUpTheMenuHoldsTheFourCommandsOnly) {
    StartWith(false, true, false, 3);
    EXPECT_EQ(MenuItems(),
              (std::vector<Item>{kPathRecallItem, kOptionsItem, kHelpItem, kExitItem}));
}

TEST_F(PopupMenuTest, InPopUpModeEntryRowsComeFirstThenSeparatorAndCommands) {
    StartWith(true, true, false, 3);
    EXPECT_EQ(MenuItems(), (std::vector<Item>{{Item::OwnerDraw, 0, "", false},
                                              {Item::OwnerDraw, 1, "", false},
                                              {Item::OwnerDraw, 2, "", false},
                                              kSeparator,
                                              kPathRecallItem,
                                              kOptionsItem,
                                              kHelpItem,
                                              kExitItem}));
}

TEST_F(PopupMenuTest, InPopUpModeWithoutEntriesTheSeparatorComesFirst) {
    StartWith(true, true, false, 0);
    EXPECT_EQ(MenuItems(),
              (std::vector<Item>{kSeparator, kPathRecallItem, kOptionsItem, kHelpItem, kExitItem}));
}

TEST_F(PopupMenuTest, ARebuildReplacesTheMenuAndFollowsTheTable) {
    StartWith(true, true, false, 2);
    const MenuRef before = form->MenuHandle;
    form->Entries.Delete(0);
    form->RebuildPopupMenu();
    EXPECT_NE(form->MenuHandle, before);
    EXPECT_EQ(menus.menus.size(), 1u) << "the old menu is destroyed";
    EXPECT_EQ(MenuItems().size(), 6u);
}

TEST_F(PopupMenuTest, EntryRowsMeasureTheirDescriptionInTheWindowsOwnContext) {
    StartWith(true, true, false, 3);
    // Letters differ in width: 11 + 7 + 3 + 3 = 24 wide, 16 high.
    form->Entries.Icons[0].ToolTip = "Mail";
    for (int itemHeight : {22, 38}) {
        form->ItemHeight = itemHeight;
        const MeasureItemRequest r = Measure(0);
        EXPECT_TRUE(answered);
        EXPECT_EQ(r.itemWidth, static_cast<std::uint32_t>(24 + itemHeight + 15));
        EXPECT_EQ(r.itemHeight, static_cast<std::uint32_t>(itemHeight));
    }
    EXPECT_EQ(canvas.measured, (std::vector<std::string>{"Mail", "Mail"}));
    EXPECT_EQ(canvas.windowDCsTaken, 2);
    EXPECT_TRUE(canvas.Clean()) << canvas.Describe();
    EXPECT_EQ(log, (CallLog{"get dc", "release dc", "get dc", "release dc"}));
}

TEST_F(PopupMenuTest, AFontTallerThanTheRowMakesTheRowTaller) {
    StartWith(true, true, false, 1);
    canvas.fontHeight = 25;
    EXPECT_EQ(Measure(0).itemHeight, 25u); // small rows are 22
    canvas.fontHeight = 22;
    EXPECT_EQ(Measure(0).itemHeight, 22u);
}

TEST_F(PopupMenuTest, AnEmptyDescriptionMeasuresTheIconColumnOnly) {
    StartWith(true, false, false, 1);
    form->Entries.Icons[0].ToolTip.clear();
    const MeasureItemRequest r = Measure(0);
    EXPECT_EQ(r.itemWidth, 38u + 15u);
    EXPECT_EQ(r.itemHeight, 38u);
}

TEST_F(PopupMenuTest, PathRecallMeasuresFixedAndOtherRequestsAreLeftAlone) {
    StartWith(true, true, false, 3);
    const MeasureItemRequest recall = Measure(912);
    EXPECT_TRUE(answered);
    EXPECT_EQ(recall.itemWidth, 40u);
    EXPECT_EQ(recall.itemHeight, 16u);
    EXPECT_EQ(canvas.windowDCsTaken, 0);

    struct Other {
        std::uint32_t id, kind;
    };
    for (const Other& other : {Other{913, kOdtMenu}, Other{914, kOdtMenu}, Other{20, kOdtMenu},
                               Other{0, kOdtListBox}, Other{0, 3}}) {
        const MeasureItemRequest r = Measure(other.id, other.kind);
        EXPECT_FALSE(answered) << other.id << " " << other.kind;
        EXPECT_EQ(r.itemWidth, 111u);
        EXPECT_EQ(r.itemHeight, 222u);
    }
    EXPECT_EQ(canvas.windowDCsTaken, 0);
}

TEST_F(PopupMenuTest, TheBannerStandsOnTheFirstEntryRowReaching154) {
    struct Case {
        bool small;
        std::uint32_t id;
        bool banner;
    };
    // Small rows reach 154 with the 7th (7 x 22), large ones with the 5th;
    // 4 x 38 = 152 is not enough.
    StartWith(true, true, false, 10);
    for (const Case& c : {Case{true, 5, false}, Case{true, 6, true}, Case{true, 9, true},
                          Case{false, 3, false}, Case{false, 4, true}, Case{false, 7, true}}) {
        SCOPED_TRACE(::testing::Message() << "small " << c.small << " id " << c.id);
        form->ItemHeight = c.small ? 22 : 38;
        canvas.rectangles.clear();
        canvas.blits.clear();
        const DrawItemRequest request = EntryRow(c.id);
        EXPECT_TRUE(Draw(request));
        ASSERT_EQ(canvas.rectangles.size(), c.banner ? 1u : 0u);
        ASSERT_EQ(canvas.blits.size(), c.banner ? 1u : 0u);
        if (!c.banner)
            continue;
        const int bottom = request.rcItem.bottom;
        const auto& band = canvas.rectangles[0];
        EXPECT_EQ(band.dc, request.hDC);
        EXPECT_EQ(band.rect, (Rect{0, 0, 20, bottom}));
        EXPECT_EQ(band.fill, 0xFF0000u) << "pure blue";
        // The whole bitmap, copied with SRCCOPY from a context made for it.
        const auto& b = canvas.blits[0];
        EXPECT_EQ(std::tie(b.x, b.y, b.width, b.height, b.sourceX, b.sourceY, b.rop),
                  std::make_tuple(0, bottom - 154, 20, 154, 0, 0, 0x00CC0020u));
        EXPECT_EQ(b.dest, request.hDC);
        EXPECT_EQ(b.sourceBitmap, ObjectOf(form->StripeBitmap));
        EXPECT_EQ(b.sourceCompatibleWith, request.hDC);
    }
    EXPECT_EQ(canvas.brushesMade, 4);
    EXPECT_EQ(canvas.memoryDCsMade, 4);
}

TEST_F(PopupMenuTest, TheBannerIsDrawnBeforeTheRowAndOnlyForWholeMenuEntryRows) {
    StartWith(true, true, false, 10);
    const DrawItemRequest whole = EntryRow(8);
    EXPECT_TRUE(Draw(whole));
    EXPECT_EQ(log, (CallLog{"rectangle", "blit", "icon", "text Entry 8"}));

    DrawItemRequest selectionChange = EntryRow(8);
    selectionChange.itemAction = kOdaSelect;
    selectionChange.itemState = kOdsSelected;
    DrawItemRequest otherWindow = EntryRow(8);
    otherWindow.hwndItem = 0x4242;
    DrawItemRequest listBox = EntryRow(8);
    listBox.CtlType = kOdtListBox;
    DrawItemRequest pathRecall = Row(912, Rect{0, 229, 180, 245});
    for (const DrawItemRequest& request : {selectionChange, otherWindow, listBox, pathRecall}) {
        log.clear();
        EXPECT_TRUE(Draw(request)) << "the row itself is drawn";
        EXPECT_EQ(canvas.rectangles.size(), 1u);
        EXPECT_EQ(canvas.blits.size(), 1u);
        EXPECT_EQ(log.size(), 2u) << "icon and text only";
    }
}

TEST_F(PopupMenuTest, EntryRowsPlaceIconAndTextByTheRowHeight) {
    struct Case {
        bool small;
        std::uint32_t id;
        Rect rect;
        int iconX, iconY, iconSize;
        std::uintptr_t list;
        int textX, textY;
        Rect opaque;
    };
    const Case cases[] = {
        {true, 2, {0, 44, 150, 66}, 22, 47, 16, 0x16, 47, 49, {42, 44, 150, 66}},
        {false, 1, {0, 38, 150, 76}, 22, 38, 32, 0x32, 63, 47, {58, 38, 150, 76}},
        {true, 0, {3, 0, 150, 22}, 22, 3, 16, 0x16, 50, 5, {45, 0, 150, 22}},
    };
    StartWith(true, true, false, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        form->ItemHeight = c.small ? 22 : 38;
        canvas.iconCalls.clear();
        canvas.texts.clear();
        icons.fileInfoPaths.clear();
        EXPECT_TRUE(Draw(Row(c.id, c.rect)));
        EXPECT_EQ(icons.fileInfoPaths, (std::vector<std::string>{IconPath(int(c.id))}));
        ASSERT_EQ(canvas.iconCalls.size(), 1u);
        const auto& i = canvas.iconCalls[0];
        EXPECT_EQ(std::tie(i.x, i.y, i.width, i.height, i.flags, i.iconAlive),
                  std::make_tuple(c.iconX, c.iconY, c.iconSize, c.iconSize, 3u, true));
        EXPECT_EQ(RawOf(i.icon) >> 12, c.list) << "the icon of the right size";
        ASSERT_EQ(canvas.texts.size(), 1u);
        const auto& t = canvas.texts[0];
        EXPECT_EQ(std::tie(t.x, t.y, t.options, t.hasRect, t.text),
                  std::make_tuple(c.textX, c.textY, 2u, true, Description(int(c.id))));
        EXPECT_EQ(t.rect, c.opaque);
    }
}

TEST_F(PopupMenuTest, TheSelectedRowHighlightsRightOfTheIconColumnAndColoursGoBack) {
    StartWith(true, true, false, 3);
    for (bool selected : {false, true}) {
        for (std::uint32_t id : {1u, 912u}) {
            DrawItemRequest request = Row(id, Rect{0, 22, 150, 44});
            request.itemState = selected ? (kOdsSelected | 0x10) : 0x10; // ODS_FOCUS beside it
            canvas.texts.clear();
            EXPECT_TRUE(Draw(request));
            ASSERT_EQ(canvas.texts.size(), 1u);
            const auto& text = canvas.texts[0];
            EXPECT_EQ(text.textColor, RecordingCanvas::SysColor(selected ? 14 : 7)) << id;
            EXPECT_EQ(text.background, RecordingCanvas::SysColor(selected ? 13 : 4)) << id;
            // The opaque rectangle, which the highlight fills, leaves the
            // icon column (and any banner) alone.
            EXPECT_EQ(text.rect.left, id == 912 ? 22 : 22 + 20) << id;
        }
    }
}

TEST_F(PopupMenuTest, ARowWithoutIconOrDescriptionStillFillsItsTextArea) {
    StartWith(true, false, false, 2);
    form->Entries.Icons[1].IconPath = "C:\\gone.ico";
    form->Entries.Icons[1].ToolTip.clear();
    EXPECT_TRUE(Draw(EntryRow(1)));
    EXPECT_TRUE(canvas.iconCalls.empty());
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].text, "");
    EXPECT_EQ(canvas.texts[0].rect, (Rect{58, 38, 180, 76}));
}

TEST_F(PopupMenuTest, PathRecallShowsExplorersSmallIconBelowTheEntriesInPopUpMode) {
    StartWith(true, true, false, 4);
    for (bool small : {true, false}) {
        SCOPED_TRACE(small);
        form->ItemHeight = small ? 22 : 38;
        canvas.iconCalls.clear();
        canvas.texts.clear();
        icons.fileInfoPaths.clear();
        const int top = 4 * form->ItemHeight + 9;
        EXPECT_TRUE(Draw(Row(912, Rect{0, top, 160, top + 16})));
        EXPECT_EQ(icons.fileInfoPaths, (std::vector<std::string>{kExplorer}));
        ASSERT_EQ(canvas.iconCalls.size(), 1u);
        const auto& i = canvas.iconCalls[0];
        EXPECT_EQ(std::tie(i.x, i.y, i.width), std::make_tuple(2, top, 16));
        EXPECT_EQ(RawOf(i.icon) >> 12, 0x16u);
        ASSERT_EQ(canvas.texts.size(), 1u);
        const auto& t = canvas.texts[0];
        EXPECT_EQ(std::tie(t.text, t.x, t.y, t.options),
                  std::make_tuple(std::string("PathRecaller"), 22, top, 2u));
        EXPECT_EQ(t.rect, (Rect{22, top, 160, top + 16}));
    }
}

TEST_F(PopupMenuTest, WithoutPopUpThePathRecallIconStaysInsideTheFirstRow) {
    StartWith(false, true, false, 4);
    struct Case {
        Rect rect;
        int iconY;
    };
    for (const Case& c :
         {Case{{0, 0, 120, 16}, 0}, Case{{0, 3, 120, 23}, 5}, Case{{4, 2, 120, 12}, 2}}) {
        canvas.iconCalls.clear();
        canvas.texts.clear();
        EXPECT_TRUE(Draw(Row(912, c.rect)));
        ASSERT_EQ(canvas.iconCalls.size(), 1u);
        EXPECT_EQ(canvas.iconCalls[0].x, 2);
        EXPECT_EQ(canvas.iconCalls[0].y, c.iconY);
        EXPECT_EQ(canvas.texts[0].x, c.rect.left + 22);
    }
}

TEST_F(PopupMenuTest, OtherDrawRequestsGoToDefaultHandlingUntouched) {
    StartWith(true, true, false, 10);
    DrawItemRequest text = Row(913, Rect{0, 0, 100, 300});
    DrawItemRequest button = EntryRow(8);
    button.CtlType = 4; // an owner-drawn button of the window
    button.hwndItem = 0x4242;
    DrawItemRequest menuButtonLookalike = EntryRow(8);
    menuButtonLookalike.CtlType = 4;
    for (const DrawItemRequest& request : {text, button, menuButtonLookalike}) {
        EXPECT_FALSE(Draw(request));
    }
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(icons.fileInfoPaths.empty());
    EXPECT_EQ(canvas.brushesMade + canvas.memoryDCsMade, 0);
}

} // namespace
} // namespace corvane::testing
