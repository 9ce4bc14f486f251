#include "core/settings_store.h"
#include "tests/native/memory_registry.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::MemoryRegistry;

TEST(SettingsStore, EntrySubkeysHaveTwoBlanksAndPlainDigits) {
    EXPECT_EQ(EntrySubkey(0), "\\SOFTWARE\\Quennard\\Corvane\\3.0\\Tool Box Icon  0");
    EXPECT_EQ(EntrySubkey(19), "\\SOFTWARE\\Quennard\\Corvane\\3.0\\Tool Box Icon  19");
}

TEST(SettingsStore, StoredCountsAreClampedToTheTable) {
    for (auto [stored, loaded] : std::vector<std::pair<std::int32_t, int>>{
             {-5, 0}, {0, 0}, {1, 1}, {20, 20}, {21, 20}, {INT32_MAX, 20}, {INT32_MIN, 0}})
        EXPECT_EQ(ClampStoredCount(stored), loaded) << stored;
}

TEST(SettingsStore, DamagedEntryValuesTakeTheirDefaults) {
    MemoryRegistry registry;
    RegistryAccessor reg(registry);
    const std::string key = "E";
    registry.PutDword(key, "Path", 3);                  // wrong type
    registry.PutString(key, "Params", "-x", true);      // fine
    registry.PutString(key, "Auto Start", "yes", true); // wrong type
    registry.Put(key, "StartMode", RegType::Binary, std::vector<std::uint8_t>(8, 0xFF));
    reg.OpenKey("\\E", true);
    const ListType entry = ReadEntryValues(reg);
    EXPECT_EQ(entry.Path, "");
    EXPECT_EQ(entry.IconPath, "");
    EXPECT_EQ(entry.Params, "-x");
    EXPECT_FALSE(entry.AutoStart);
    EXPECT_EQ(entry.StartMode, 0);
}

TEST(SettingsStore, WritingAnEntryStoresItsPathAsIconPathWhenThatIsEmpty) {
    MemoryRegistry registry;
    RegistryAccessor reg(registry);
    reg.OpenKey("\\E", true);
    ListType entry;
    entry.Path = "C:\\a.exe";
    entry.AutoStart = true;
    entry.StartMode = 2;
    WriteEntryValues(reg, entry);
    EXPECT_EQ(registry.RawString("E", "Icon Path"), "C:\\a.exe");
    EXPECT_EQ(registry.writeLog,
              (std::vector<std::string>{"Icon Path=C:\\a.exe", "Path=C:\\a.exe",
                                        "Params=", "Tool Tip=", "Auto Start=1", "StartMode=2"}));
}

TEST(SettingsStore, CountsTheConsecutiveEntrySubkeysThatExist) {
    MemoryRegistry registry;
    RegistryAccessor reg(registry);
    const std::string base = "SOFTWARE\\Quennard\\Corvane\\3.0\\Tool Box Icon  ";
    for (int i : {0, 1, 2, 4})
        registry.PutString(base + std::to_string(i), "Path", "x");
    EXPECT_EQ(CountStoredEntrySubkeys(reg), 3);
}

} // namespace
} // namespace corvane
