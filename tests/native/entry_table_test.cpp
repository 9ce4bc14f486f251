#include "core/entry.h"
#include "core/show_commands.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

ListType Named(const std::string& tip) {
    ListType e;
    e.Path = "C:\\" + tip + ".exe";
    e.ToolTip = tip;
    return e;
}

void ExpectEmptyFrom(const EntryTable& t, int first) {
    for (int i = first; i < kSlotCount; ++i)
        EXPECT_EQ(t.Icons[static_cast<std::size_t>(i)], ListType{}) << "slot " << i;
}

TEST(EntryTable, AppendHandsOutIdentifiersFrom1000InSlotOrder) {
    EntryTable t;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(t.Append(Named("e" + std::to_string(i))), i);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(t.Icons[static_cast<std::size_t>(i)].IconId, 1000 + i);
    EXPECT_EQ(t.NextIconId, 1005);
    EXPECT_EQ(t.Append(Named("next")), 5);
    EXPECT_EQ(t.Icons[5].IconId, 1005);
    ExpectEmptyFrom(t, 6);
}

TEST(EntryTable, DeletingMovesLaterEntriesDownKeepingTheirIdentifiers) {
    EntryTable t;
    t.Append(Named("a"));
    t.Append(Named("b"));
    t.Append(Named("c"));
    t.Delete(0);
    EXPECT_EQ(t.IconCount, 2);
    EXPECT_EQ(t.Icons[0].ToolTip, "b");
    EXPECT_EQ(t.Icons[0].IconId, 1001);
    EXPECT_EQ(t.Icons[1].ToolTip, "c");
    EXPECT_EQ(t.Icons[1].IconId, 1002);
    ExpectEmptyFrom(t, 2);
}

TEST(EntryTable, DeletingTheOnlyEntryEmptiesEverySlotButKeepsTheNextIdentifier) {
    EntryTable t;
    t.Append(Named("only"));
    t.Delete(0);
    EXPECT_EQ(t.IconCount, 0);
    ExpectEmptyFrom(t, 0);
    EXPECT_EQ(t.NextIconId, 1001);
    t.Append(Named("again"));
    EXPECT_EQ(t.Icons[0].IconId, 1001) << "identifiers are never handed out twice";
}

TEST(EntryTable, TwentyEntriesLeaveThe21stSlotEmptyAndRefuseMore) {
    EntryTable t;
    for (int i = 0; i < 20; ++i)
        t.Append(Named(std::to_string(i)));
    EXPECT_TRUE(t.Full());
    EXPECT_EQ(t.Append(Named("21st")), -1);
    EXPECT_EQ(t.IconCount, 20);
    EXPECT_EQ(t.NextIconId, 1020);
    EXPECT_EQ(t.Icons[20], ListType{});
    t.Delete(19);
    ExpectEmptyFrom(t, 19);
}

TEST(EntryTable, ModifyReplacesFieldsButKeepsTheIdentifier) {
    EntryTable t;
    t.Append(Named("a"));
    t.Append(Named("b"));
    ListType changed = Named("z");
    changed.AutoStart = true;
    changed.StartMode = 3;
    changed.IconId = 4711;
    t.Modify(1, changed);
    EXPECT_EQ(t.Icons[1].ToolTip, "z");
    EXPECT_TRUE(t.Icons[1].AutoStart);
    EXPECT_EQ(t.Icons[1].StartMode, 3);
    EXPECT_EQ(t.Icons[1].IconId, 1001);
    t.Modify(2, changed); // not in use: nothing changes
    EXPECT_EQ(t.Icons[2], ListType{});
}

TEST(EntryTable, FindsUsedEntriesByIdentifierOnly) {
    EntryTable t;
    t.Append(Named("a"));
    t.Append(Named("b"));
    EXPECT_EQ(t.FindByIconId(1001), 1);
    EXPECT_EQ(t.FindByIconId(1002), -1);
    EXPECT_EQ(t.FindByIconId(0), -1) << "empty slots carry identifier 0 but are not entries";
}

TEST(ShowCommandTable, MapsStartModesAndOpensUnknownModesLikeNormal) {
    ShowCommandTable table;
    table.Fill();
    struct Row {
        std::int32_t mode;
        int show;
    };
    for (const Row& row : {Row{0, 5}, Row{1, 3}, Row{2, 2}, Row{3, 0}, Row{-1, 5}, Row{4, 5},
                           Row{INT32_MIN, 5}, Row{INT32_MAX, 5}})
        EXPECT_EQ(table.For(row.mode), row.show) << "start mode " << row.mode;
}

} // namespace
} // namespace corvane
