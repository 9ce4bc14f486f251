#include "shell/explorer_tracking.h"
#include "tests/native/tray_fixture.h"

namespace corvane::testing {
namespace {

class ExplorerTrackingTest : public TrayFormTest {
protected:
    const WindowRef explorer = RefOf<WindowRef>(0xE1);

    void Report(const std::string& title, std::intptr_t code) {
        system.titles[RawOf(explorer)] = title;
        form->WMExplorerWindow(explorer, code);
    }
};

TEST_F(ExplorerTrackingTest, OnlyTitlesThatBeginWithTheMarkerNameAFolder) {
    StartWith(false, true, false, 1);
    struct Row {
        const char* title;
        std::intptr_t code;
        const char* after;
    };
    const Row rows[] = {
        {"Exploring - C:\\Projects", 4, "C:\\Projects"},
        {"Exploring - C:\\Projects", 0, "C:\\Projects"},
        {"Exploring - C:\\Projects", 1, "D:\\Old"},
        {"exploring - C:\\Projects", 4, "D:\\Old"},
        // A window that only mentions the marker is no Explorer window.
        {"Mail - Exploring - notes", 4, "D:\\Old"},
        {" Exploring - C:\\Projects", 4, "D:\\Old"},
        {"Exploring -", 4, ""},
        {"Exploring - ", 4, ""},
        {"Exploring - D:\\My Documents - Exploring - x", 4, "D:\\My Documents - Exploring - x"},
        {"Exploring", 4, "D:\\Old"},
        {"", 4, "D:\\Old"}, // also what a window that has gone gives
    };
    for (const Row& row : rows) {
        form->LastExploreDir = "D:\\Old";
        Report(row.title, row.code);
        EXPECT_EQ(form->LastExploreDir, row.after) << row.title << " / " << row.code;
    }
}

TEST_F(ExplorerTrackingTest, OnlyTheFirst260CharactersOfATitleCount) {
    StartWith(false, true, false, 1);
    const std::string folder = "C:\\" + std::string(297 - 12, 'f');
    Report("Exploring - " + folder, 4);
    EXPECT_EQ(system.titleLimits.back(), 260u);
    EXPECT_EQ(form->LastExploreDir, folder.substr(0, 248));
}

TEST_F(ExplorerTrackingTest, PathRecallOpensExplorerOnTheLastFolderOrBare) {
    StartWith(false, true, false, 1);
    form->PathRecall();
    Report("Exploring - C:\\Projects", 4);
    form->PathRecall();
    const auto recall = [](const std::string& p) {
        return ShellCall{FakeView::kHandle, false, "open", kExplorer, p, "C:\\WINDOWS", kSwShow};
    };
    EXPECT_EQ(shell.calls,
              (std::vector<ShellCall>{recall("/n,/e,"), recall("/n,/e,C:\\Projects")}));
}

TEST_F(ExplorerTrackingTest, TheLongestFolderStillReachesExplorerWhole) {
    StartWith(false, true, false, 1);
    const std::string folder = "C:\\" + std::string(245, 'f'); // 248 characters
    Report("Exploring - " + folder + "tail beyond 260", 4);
    ASSERT_EQ(form->LastExploreDir, folder);
    form->PathRecall();
    EXPECT_EQ(shell.calls.back().params, "/n,/e," + folder);
}

} // namespace
} // namespace corvane::testing
