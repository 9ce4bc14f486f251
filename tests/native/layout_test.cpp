// The windows' design units scaled to a DPI, and the fonts of their roles.
#include "tests/data_rows.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <sstream>

namespace corvane::testing {
namespace {

DesignRect RectOf(const std::string& cell) {
    DesignRect rect;
    std::istringstream(cell) >> rect.x >> rect.y >> rect.width >> rect.height;
    return rect;
}

TEST(Layout, EveryControlStandsWhereItDidAt96DpiAndScalesToEachDpi) {
    const auto rows = OptionsControlRows();
    const std::vector<DataRow> expected = DataRows("options_layout.tsv");
    ASSERT_EQ(rows.size(), expected.size());
    const char* pages[] = {"general", "options", "window"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DataRow& want = expected[i];
        EXPECT_EQ(pages[static_cast<int>(rows[i].page)], want[1]) << want[0];
        const int dpis[] = {96, 120, 144, 192};
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(ScaleToDpi(rows[i].rect, dpis[k]), RectOf(want[2 + k]))
                << want[0] << " at " << dpis[k];
    }
}

TEST(Layout, FontsKeepTheirWeightAndShareOfTheMessageFont) {
    const std::tuple<FontRole, int, FontShape> cases[] = {
        {FontRole::Bold, -11, {true, 11}},    {FontRole::Combo, -11, {true, 12}},
        {FontRole::Normal, 11, {false, 11}},  {FontRole::Heading, -11, {true, 15}},
        {FontRole::Title, -11, {true, 18}},   {FontRole::Combo, -16, {true, 17}},
        {FontRole::Heading, -18, {true, 24}}, {FontRole::Title, -18, {true, 30}},
    };
    for (const auto& [role, message, shape] : cases)
        EXPECT_EQ(FontFor(role, message), shape) << static_cast<int>(role) << " of " << message;
}

} // namespace
} // namespace corvane::testing
