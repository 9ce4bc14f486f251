// The fuzzer's rules over its hand-made seeds, here under the native
// suite's sanitizers, with the outcomes that the seeds were made to give.
#include "shell/shllink_format.h"
#include "tests/fuzz/hostile_seeds.h"
#include "tests/fuzz/shllink_check.h"

#include <gtest/gtest.h>

#include <map>

namespace corvane::testing {
namespace {

std::map<std::string, Bytes> SeedsByName() {
    std::map<std::string, Bytes> seeds;
    for (fuzz::Seed& seed : fuzz::HostileSeeds())
        seeds.emplace(seed.name, std::move(seed.bytes));
    return seeds;
}

std::optional<ShellLinkData> Parse(const Bytes& bytes) {
    return ParseShellLink(bytes, Windows1252());
}

TEST(HostileShortcuts, EveryRuleHoldsForEverySeed) {
    const std::map<std::string, Bytes> seeds = SeedsByName();
    EXPECT_GT(seeds.size(), 250u);
    for (const auto& [name, bytes] : seeds)
        EXPECT_EQ(fuzz::CheckShortcutBytes(bytes), "") << name;
}

TEST(HostileShortcuts, TheFullSeedsReadWithEveryPart) {
    const std::map<std::string, Bytes> seeds = SeedsByName();
    for (const char* name : {"full", "full-ansi"}) {
        const std::optional<ShellLinkData> data = Parse(seeds.at(name));
        ASSERT_TRUE(data) << name;
        EXPECT_EQ(data->target, "Z:\\Tools\\edit.exe") << name;
        EXPECT_EQ(data->arguments, "-n \"C:\\My Files\\a.txt\"") << name;
        EXPECT_EQ(data->iconFile, "%TOOLS%\\edit.ico") << name;
        EXPECT_EQ(data->showCommand, 3) << name;
    }
}

TEST(HostileShortcuts, CountsPastTheEndFailAndSmallBlocksOnlyEndTheExtraData) {
    const std::map<std::string, Bytes> seeds = SeedsByName();
    for (const auto& [name, bytes] : seeds) {
        const std::optional<ShellLinkData> data = Parse(bytes);
        const auto endsWith = [&](const std::string& tail) {
            return name.size() >= tail.size() &&
                   name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
        };
        // Only the arguments and the icon location are read whole.
        const bool whole =
            name.find("string3") != std::string::npos || name.find("string4") != std::string::npos;
        for (const char* count : {"-count=32767", "-count=32768", "-count=65534", "-count=65535"}) {
            if (whole && endsWith(count)) {
                EXPECT_FALSE(data) << name;
            }
        }
        if (name.rfind("header-size=", 0) == 0 || name.rfind("linkinfo-size=", 0) == 0) {
            EXPECT_FALSE(data) << name;
        }
        if (name.rfind("extra-", 0) == 0) {
            ASSERT_TRUE(data) << name;
            EXPECT_EQ(data->target, "Z:\\Tools\\edit.exe") << name;
        }
    }
}

} // namespace
} // namespace corvane::testing
