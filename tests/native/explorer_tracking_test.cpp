#include "core/show_commands.h"
#include "shell/explorer_tracking.h"
#include "tests/data_rows.h"
#include "tests/native/doubles.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

TEST(ExplorerTracking, PathRecallOpensExplorerOnTheFolderOfTheLastExplorerWindowReported) {
    CallLog log;
    FakeSystem system{log};
    RecordingShell shell{log};
    ExplorerTracker tracker{system, shell};
    const auto recalled = [&](const std::string& title, std::intptr_t code = 4) {
        system.titles[0xE1] = title; // also what a window that has gone gives
        tracker.OnWindowReported(RefOf<WindowRef>(0xE1), code);
        tracker.Recall(kWindow);
        return shell.calls.back().params;
    };
    tracker.Start();
    EXPECT_EQ(recalled("", 4), "/n,/e,");
    EXPECT_EQ(shell.calls.back(), (ShellCall{kWindow, false, "open", "C:\\WINDOWS\\Explorer.exe",
                                             "/n,/e,", "C:\\WINDOWS", kSwShow}));
    for (const DataRow& row : DataRows("explorer_titles.tsv"))
        EXPECT_EQ(recalled(row[0]), "/n,/e," + row[1]) << row[0];
    const std::string folder = "C:\\" + std::string(300, 'f');
    EXPECT_EQ(recalled("Exploring - " + folder), "/n,/e," + folder.substr(0, 248));
    EXPECT_EQ(system.titleLimits.back(), 260u);
    EXPECT_EQ(recalled("Exploring - D:\\New", 1), "/n,/e," + folder.substr(0, 248))
        << "a window just made may have no title yet";
    system.windowsDir = std::string(200, 'w'); // too long for the buffer
    tracker.Start();
    EXPECT_EQ(tracker.ExplorerPath(), "\\Explorer.exe");
}

} // namespace
} // namespace corvane::testing
