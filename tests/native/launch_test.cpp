#include "core/launch.h"
#include "core/show_commands.h"
#include "core/text.h"
#include "tests/native/doubles.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(FolderPart, TakesEverythingUpToTheLastBackslashOrColon) {
    struct Row {
        const char* path;
        const char* folder;
    };
    for (const Row& row : {Row{"D:\\Tools\\edit.exe", "D:\\Tools\\"}, Row{"E:setup.exe", "E:"},
                           Row{"notepad.exe", ""}, Row{"D:\\Data\\", "D:\\Data\\"},
                           Row{"C:/unix/style.exe", "C:"}, Row{"a/b/c.exe", ""},
                           Row{"\\\\server\\share\\x.exe", "\\\\server\\share\\"}, Row{"", ""}})
        EXPECT_EQ(FolderPart(row.path), row.folder) << row.path;
}

class LaunchTest : public ::testing::Test {
protected:
    testing::CallLog log;
    testing::RecordingShell shell{log};
    const WindowRef owner = static_cast<WindowRef>(0x42);
};

TEST_F(LaunchTest, HandsTheShellPathParamsFolderAndShowCommand) {
    ListType e;
    e.Path = "D:\\Tools\\edit.exe";
    e.Params = "-n file.txt";
    LaunchEntry(shell, owner, e, kSwShowMaximized);
    // No verb: the file's default action.
    EXPECT_EQ(shell.calls,
              (std::vector<testing::ShellCall>{{owner, true, "", "D:\\Tools\\edit.exe",
                                                "-n file.txt", "D:\\Tools\\", kSwShowMaximized}}));
}

TEST_F(LaunchTest, EmptyParamsAndFolderAreEmptyStringsNotNull) {
    ListType e;
    e.Path = "notepad.exe";
    LaunchEntry(shell, owner, e, kSwShow);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].params, "");
    EXPECT_EQ(shell.calls[0].directory, "");
}

TEST_F(LaunchTest, CutsPathParamsAndFolderTo255Characters) {
    ListType e;
    const std::string folder = "C:\\" + std::string(290, 'f') + "\\";
    e.Path = folder + "x.exe";
    e.Params = std::string(300, 'p');
    LaunchEntry(shell, owner, e, kSwShow);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, e.Path.substr(0, 255));
    EXPECT_EQ(shell.calls[0].params, std::string(255, 'p'));
    EXPECT_EQ(shell.calls[0].directory, folder.substr(0, 255));
}

} // namespace
} // namespace corvane
