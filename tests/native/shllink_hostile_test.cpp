// The fuzzer's rules over its seeds, here under the native suite's
// sanitizers: the hand-made hostile files, whose names say which size,
// offset or count of seeds/full.lnk they damage, and every cut of the
// shortcuts that the shell's object made.
#include "shell/shllink_format.h"
#include "tests/fuzz/shllink_check.h"
#include "tests/native/shell_doubles.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

TEST(HostileShortcuts, EverySeedKeepsTheRulesAndSizesPastTheEndFail) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSeeds)) {
        const Bytes bytes = FileBytes(entry.path());
        const std::string name = entry.path().stem().string();
        EXPECT_EQ(fuzz::CheckShortcutBytes(bytes), "") << name;
        ++seeds;
        const auto has = [&](const char* part) {
            return name.find(part) != std::string::npos;
        };
        const std::optional<ShellLinkData> data = ParseShellLink(bytes, Windows1252());
        // The arguments and the icon location (strings 3 and 4) are read
        // whole, so counts of 0x7FFF and more run past the end.
        if (name.starts_with("header-size=") || name.starts_with("linkinfo-size=") ||
            name == "idlist-size=65535" ||
            ((has("string3-count=") || has("string4-count=")) && (has("=3276") || has("=6553"))))
            EXPECT_FALSE(data) << name;
        // A block of fewer than 8 bytes before the environment blocks only
        // ends the extra data.
        if (name.starts_with("extra-block-size=")) {
            ASSERT_TRUE(data) << name;
            EXPECT_EQ(data->iconFile, "C:\\Tools\\edit.exe") << name;
            EXPECT_EQ(data->target, "Z:\\Tools\\edit.exe") << name;
        }
    }
    EXPECT_GT(seeds, 250);
}

TEST(HostileShortcuts, EveryCutOfTheShellMadeOnesKeepsTheRules) {
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        const Bytes bytes = FileBytes(entry.path());
        for (std::size_t length = 0; length <= bytes.size(); length += 7)
            EXPECT_EQ(fuzz::CheckShortcutBytes(std::span(bytes).first(length)), "")
                << entry.path().filename() << " cut at " << length;
    }
}

} // namespace
} // namespace corvane::testing
