// A chosen shortcut: the name it is read under, and what a failed read gives.
#include "shell/shortcut.h"
#include "tests/data_rows.h"
#include "tests/native/shell_doubles.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

TEST(Shortcut, IsReadUnderItsNameWithTheExtensionAndAFailedReadGivesNothing) {
    for (const DataRow& r : DataRows("link_names.tsv"))
        EXPECT_EQ(ShortcutFileName(r[0]), r.size() > 1 ? r[1] : "") << r[0];
    ScriptedLoader loader;
    MemoryFiles files;
    loader.result.target = "C:\\Tools\\edit.exe";
    EXPECT_FALSE(ReadShortcut(loader, files, "C:\\Links\\Editor")) << "no such file";
    EXPECT_TRUE(loader.paths.empty());
    files.files["C:\\Links\\Editor.lnk"] = {};
    EXPECT_EQ(ReadShortcut(loader, files, "C:\\Links\\Editor")->target, "C:\\Tools\\edit.exe");
    loader.outcome = LoadOutcome::ReadFailed;
    EXPECT_FALSE(ReadShortcut(loader, files, "C:\\Links\\Editor"));
    EXPECT_EQ(loader.paths.size(), 2u);
}

} // namespace
} // namespace corvane::testing
