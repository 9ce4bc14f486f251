#include "core/registry_accessor.h"
#include "tests/native/memory_registry.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::MemoryRegistry;

class AccessorTest : public ::testing::Test {
protected:
    MemoryRegistry registry;
    const std::string key = "SOFTWARE\\Test";

    std::string MessageOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const ERegistryException& e) {
            return e.what();
        }
        return "(no error)";
    }
};

TEST_F(AccessorTest, LeadingBackslashStartsAtTheRootOtherPathsAtTheCurrentKey) {
    RegistryAccessor reg(registry);
    EXPECT_TRUE(reg.OpenKey("\\SOFTWARE\\Test", true));
    EXPECT_TRUE(reg.OpenKey("Child", true));
    reg.WriteInteger("n", 7);
    EXPECT_EQ(registry.Dword("SOFTWARE\\Test\\Child", "n"), 7u);
    EXPECT_FALSE(registry.Exists("Child"));
}

TEST_F(AccessorTest, FailedOpenKeepsThePreviousKeyCurrent) {
    RegistryAccessor reg(registry);
    reg.OpenKey("\\SOFTWARE\\Test", true);
    EXPECT_FALSE(reg.OpenKey("\\Missing", false));
    reg.WriteInteger("still", 1);
    EXPECT_EQ(registry.Dword(key, "still"), 1u);
}

TEST_F(AccessorTest, OpeningAKeyClosesThePreviousOneAndTheAccessorClosesTheLast) {
    {
        RegistryAccessor reg(registry);
        reg.OpenKey("\\A", true);
        reg.OpenKey("\\B", true);
        EXPECT_EQ(registry.openHandles(), 1);
        EXPECT_TRUE(reg.KeyExists("\\A"));
        EXPECT_EQ(registry.openHandles(), 1);
    }
    EXPECT_EQ(registry.openHandles(), 0);
}

TEST_F(AccessorTest, StringsAreWrittenWithoutTerminatorAndReadUpToTheFirstZero) {
    RegistryAccessor reg(registry);
    reg.OpenKey("\\SOFTWARE\\Test", true);
    reg.WriteString("plain", "abc");
    reg.WriteString("empty", "");
    EXPECT_EQ(registry.Get(key, "plain")->data.size(), 3u);
    EXPECT_EQ(registry.Get(key, "empty")->data.size(), 0u);
    EXPECT_EQ(registry.Get(key, "plain")->type, RegType::Sz);

    registry.PutString(key, "zero", "abc", true);
    registry.Put(key, "inner", RegType::Sz, {'a', 'b', 0, 'c'});
    registry.Put(key, "expand", RegType::ExpandSz, {'%', 'W', '%', 0});
    EXPECT_EQ(reg.ReadString("plain"), "abc");
    EXPECT_EQ(reg.ReadString("zero"), "abc");
    EXPECT_EQ(reg.ReadString("inner"), "ab");
    EXPECT_EQ(reg.ReadString("expand"), "%W%") << "taken unexpanded";
    EXPECT_EQ(reg.ReadString("empty"), "");
    EXPECT_EQ(reg.ReadString("absent"), "");
}

TEST_F(AccessorTest, TypeAndPresenceErrorsCarryTheValueName) {
    RegistryAccessor reg(registry);
    reg.OpenKey("\\SOFTWARE\\Test", true);
    registry.PutDword(key, "dword", 5);
    registry.PutString(key, "short", "1", true);
    registry.PutString(key, "long", "hello world");
    registry.Put(key, "binary8", RegType::Binary, std::vector<std::uint8_t>(8, 1));
    registry.Put(key, "binary4", RegType::Binary, {1, 0, 0, 0});

    struct Row {
        std::function<void()> read;
        std::string message;
    };
    const std::vector<Row> rows = {
        {[&] { reg.ReadString("dword"); }, "Invalid data type for 'dword'"},
        {[&] { reg.ReadInteger("short"); }, "Invalid data type for 'short'"},
        {[&] { reg.ReadInteger("long"); }, "Failed to get data for 'long'"},
        {[&] { reg.ReadInteger("binary8"); }, "Failed to get data for 'binary8'"},
        {[&] { reg.ReadInteger("binary4"); }, "Invalid data type for 'binary4'"},
        {[&] { reg.ReadInteger("absent"); }, "Failed to get data for 'absent'"},
        {[&] { reg.ReadBool("absent"); }, "Failed to get data for 'absent'"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(MessageOf(row.read), row.message);
    EXPECT_EQ(reg.ReadInteger("dword"), 5);
}

TEST_F(AccessorTest, IntegersAreSignedAndBooleansAreAnyNonzero) {
    RegistryAccessor reg(registry);
    reg.OpenKey("\\SOFTWARE\\Test", true);
    reg.WriteInteger("neg", -2);
    EXPECT_EQ(registry.Dword(key, "neg"), 0xFFFFFFFEu);
    EXPECT_EQ(reg.ReadInteger("neg"), -2);
    registry.PutDword(key, "two", 2);
    EXPECT_TRUE(reg.ReadBool("two"));
    reg.WriteBool("t", true);
    reg.WriteBool("f", false);
    EXPECT_EQ(registry.Dword(key, "t"), 1u);
    EXPECT_EQ(registry.Dword(key, "f"), 0u);
}

TEST_F(AccessorTest, FailedWritesRaiseFailedToSetData) {
    RegistryAccessor reg(registry);
    registry.failingWrites = {"Path", "Count"};
    EXPECT_EQ(MessageOf([&] { reg.WriteString("Path", "x"); }), "Failed to set data for 'Path'")
        << "no key is open yet";
    reg.OpenKey("\\SOFTWARE\\Test", true);
    EXPECT_EQ(MessageOf([&] { reg.WriteString("Path", "x"); }), "Failed to set data for 'Path'");
    EXPECT_EQ(MessageOf([&] { reg.WriteInteger("Count", 1); }), "Failed to set data for 'Count'");
    EXPECT_EQ(MessageOf([&] { reg.WriteBool("Count", true); }), "Failed to set data for 'Count'");
}

} // namespace
} // namespace corvane
