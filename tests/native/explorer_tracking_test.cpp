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

TEST_F(ExplorerTrackingTest, OnlyATitleThatBeginsWithTheMarkerNamesAFolderAndOnlyAnAbsoluteOne) {
    const std::pair<const char*, const char*> rows[] = {
        {"Exploring - C:\\Projects", "C:\\Projects"},
        {"", "C:\\Projects"}, // also what a window that has gone gives
        {"exploring - D:\\Old", "C:\\Projects"},
        // A window that only mentions the marker is no Explorer window.
        {"Mail - Exploring - notes", "C:\\Projects"},
        // Only an absolute folder counts: a title adds no switches of its own.
        {"Exploring - x,/root,\\\\host\\share", "C:\\Projects"},
        {"Exploring - /:\\x", "C:\\Projects"},
        {"Exploring - \\\\\\share", "C:\\Projects"},
        {"Exploring - \\\\host\\", "C:\\Projects"},
        {"Exploring - C:\\a\"b", "C:\\Projects"},
        {"Exploring - D:\\Docs - Exploring - x", "D:\\Docs - Exploring - x"},
        {"Exploring - \\\\host\\s", "\\\\host\\s"},
        {"Exploring -", ""},
        {"Exploring - C:\\a,b", "\"C:\\a,b\""},
        {"Exploring - ", ""},
    };
    for (auto [title, folder] : rows) {
        Report(title);
        EXPECT_EQ(Recalled(), std::string("/n,/e,") + folder) << title;
    }
    Report("Exploring - D:\\New", 1); // a window just made: its title may not be set
    EXPECT_EQ(Recalled(), "/n,/e,");
    const std::string folder = "C:\\" + std::string(300, 'f');
    Report("Exploring - " + folder);
    EXPECT_EQ(system.titleLimits.back(), 260u);
    EXPECT_EQ(Recalled(), "/n,/e," + folder.substr(0, 248)) << "the longest folder whole";
}

TEST_F(ExplorerTrackingTest, ExplorerIsTheOneInTheWindowsFolderIfItsNameFits) {
    tracker.Start();
    tracker.Recall(kWindow);
    EXPECT_EQ(shell.calls.back(), (ShellCall{kWindow, false, "open", "C:\\WINDOWS\\Explorer.exe",
                                             "/n,/e,", "C:\\WINDOWS", kSwShow}));
    system.windowsDir = std::string(200, 'w'); // too long for the buffer
    tracker.Start();
    EXPECT_EQ(tracker.ExplorerPath(), "\\Explorer.exe");
}

} // namespace
} // namespace corvane::testing
