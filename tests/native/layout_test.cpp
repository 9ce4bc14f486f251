// The windows' design units scaled to a DPI, and the fonts of their roles.
#include "tests/data_rows.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    const std::string roles[] = {"bold", "combo", "normal", "heading", "title"};
    for (const DataRow& r : DataRows("font_roles.tsv")) {
        const auto role = static_cast<FontRole>(std::find(roles, roles + 5, r[0]) - roles);
        EXPECT_EQ(FontFor(role, std::stoi(r[1])), (FontShape{r[2] == "1", std::stoi(r[3])}))
            << r[0] << " of " << r[1];
    }
}

} // namespace
} // namespace corvane::testing
