#include "core/show_commands.h"
#include "shell/explorer_tracking.h"
#include "tests/native/doubles.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

class ExplorerTrackingTest : public ::testing::Test {
protected:
    // What a recall now hands Explorer.
    std::string Recalled() {
        tracker.Recall(kWindow);
        return shell.calls.back().params;
    }
    void Report(const std::string& title, std::intptr_t code = 4) {
        system.titles[0xE1] = title;
        tracker.OnWindowReported(RefOf<WindowRef>(0xE1), code);
    }

    CallLog log;
    FakeSystem system{log};
    RecordingShell shell{log};
    ExplorerTracker tracker{system, shell};
};

TEST_F(ExplorerTrackingTest, RecallOpensANewExplorerOnTheLastFolderOrBare) {
    tracker.Start();
    tracker.Recall(kWindow);
    Report("Exploring - C:\\Projects");
    tracker.Recall(kWindow);
    const auto recall = [](const std::string& params) {
        return ShellCall{kWindow, false,         "open", "C:\\WINDOWS\\Explorer.exe",
                         params,  "C:\\WINDOWS", kSwShow};
    };
    EXPECT_EQ(shell.calls,
              (std::vector<ShellCall>{recall("/n,/e,"), recall("/n,/e,C:\\Projects")}));
    EXPECT_EQ(tracker.ExplorerPath(), "C:\\WINDOWS\\Explorer.exe");
    system.windowsDir = std::string(200, 'w'); // too long for the buffer
    tracker.Start();
    EXPECT_EQ(tracker.ExplorerPath(), "\\Explorer.exe");
}

TEST_F(ExplorerTrackingTest, OnlyATitleThatBeginsWithTheMarkerNamesAFolder) {
    const std::pair<const char*, const char*> rows[] = {
        {"Exploring - C:\\Projects", "C:\\Projects"},
        {"exploring - D:\\Old", "C:\\Projects"},
        // A window that only mentions the marker is no Explorer window.
        {"Mail - Exploring - notes", "C:\\Projects"},
        {" Exploring - D:\\Old", "C:\\Projects"},
        {"Exploring", "C:\\Projects"},
        {"", "C:\\Projects"}, // also what a window that has gone gives
        {"Exploring - D:\\Docs - Exploring - x", "D:\\Docs - Exploring - x"},
        {"Exploring -", ""},
        {"Exploring - C:\\Projects", "C:\\Projects"},
        {"Exploring - ", ""},
    };
    for (auto [title, folder] : rows) {
        Report(title);
        EXPECT_EQ(Recalled(), std::string("/n,/e,") + folder) << title;
    }
    Report("Exploring - D:\\New", 1); // a window just made: its title may not be set
    EXPECT_EQ(Recalled(), "/n,/e,");
}

TEST_F(ExplorerTrackingTest, OnlyTheFirst260CharactersOfATitleCount) {
    const std::string folder = "C:\\" + std::string(300, 'f');
    Report("Exploring - " + folder);
    EXPECT_EQ(system.titleLimits.back(), 260u);
    EXPECT_EQ(Recalled(), "/n,/e," + folder.substr(0, 248)) << "the longest folder whole";
}

} // namespace
} // namespace corvane::testing
