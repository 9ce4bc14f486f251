// The pop-up launcher menu as the system holds it, read back item by item.
#include "tests/wine/form_window.h"
#include "tray/popup_menu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::win32 {
namespace {

struct Item {
    UINT type = 0;
    UINT id = 0;
    ULONG_PTR data = 0;
    std::string text;
};

std::vector<Item> ReadMenu(HMENU menu) {
    std::vector<Item> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) {
            ADD_FAILURE() << "item " << i << " unreadable";
            continue;
        }
        Item item{info.fType, info.wID, info.dwItemData, ""};
        if (!(info.fType & (MFT_OWNERDRAW | MFT_SEPARATOR)))
            item.text = text;
        items.push_back(item);
    }
    return items;
}

// The four commands at the foot of every menu, from index first on.
void ExpectCommands(const std::vector<Item>& items, std::size_t first) {
    ASSERT_EQ(items.size(), first + 4);
    const Item& recall = items[first];
    EXPECT_TRUE(recall.type & MFT_OWNERDRAW);
    EXPECT_EQ(recall.id, kCmdPathRecall);
    ASSERT_NE(recall.data, 0u);
    EXPECT_STREQ(reinterpret_cast<const char*>(recall.data), "PathRecall");
    struct Text {
        UINT id;
        const char* text;
    };
    const Text texts[] = {
        {kCmdOptions, "Options..."}, {kCmdHelp, "Help"}, {kCmdExit, "Exit Corvane"}};
    for (std::size_t i = 0; i < 3; ++i) {
        const Item& item = items[first + 1 + i];
        EXPECT_EQ(item.type & (MFT_OWNERDRAW | MFT_SEPARATOR), 0u) << texts[i].text;
        EXPECT_EQ(item.id, texts[i].id) << texts[i].text;
        EXPECT_EQ(item.text, texts[i].text);
    }
}

class PopupMenuTest : public FormWindowTest {
protected:
    void AddEntries(int count) {
        for (int i = 0; i < count; ++i)
            form->Entries.Append(ListType{"C:\\windows\\notepad.exe", "C:\\windows\\notepad.exe",
                                          "", "Entry " + std::to_string(i), false, 0, 0});
    }
};

TEST_F(PopupMenuTest, WithoutPopUpTheMenuHoldsTheFourCommands) {
    AddEntries(3); // entries have tray icons of their own
    form->PopUpIt = false;
    form->RebuildPopupMenu();
    ASSERT_TRUE(IsMenu(MenuOf(form->MenuHandle)));
    ExpectCommands(ReadMenu(MenuOf(form->MenuHandle)), 0);
}

TEST_F(PopupMenuTest, WithPopUpEntryRowsAndASeparatorComeFirst) {
    for (const int count : {3, 0}) {
        form->Entries = EntryTable{};
        AddEntries(count);
        form->PopUpIt = true;
        form->RebuildPopupMenu();
        const std::vector<Item> items = ReadMenu(MenuOf(form->MenuHandle));
        ASSERT_EQ(items.size(), static_cast<std::size_t>(count) + 5) << count << " entries";
        for (int i = 0; i < count; ++i) {
            EXPECT_TRUE(items[i].type & MFT_OWNERDRAW) << "row " << i;
            EXPECT_EQ(items[i].id, static_cast<UINT>(i));
            EXPECT_EQ(items[i].data, 0u) << "rows carry no data";
        }
        EXPECT_TRUE(items[count].type & MFT_SEPARATOR);
        ExpectCommands(items, count + 1);
    }
}

TEST_F(PopupMenuTest, ARebuildReplacesTheMenuAndDestroysTheOldOne) {
    form->PopUpIt = true;
    AddEntries(2);
    form->RebuildPopupMenu();
    const HMENU first = MenuOf(form->MenuHandle);
    ASSERT_TRUE(IsMenu(first));
    AddEntries(1);
    form->RebuildPopupMenu();
    const HMENU second = MenuOf(form->MenuHandle);
    EXPECT_FALSE(IsMenu(first));
    ASSERT_TRUE(IsMenu(second));
    EXPECT_EQ(GetMenuItemCount(second), 3 + 5);
}

} // namespace
} // namespace corvane::win32
