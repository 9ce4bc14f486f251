#include "core/registry_accessor.h"
#include "tests/native/memory_registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

namespace corvane::testing {
namespace {

class AccessorTest : public ::testing::Test {
protected:
    MemoryRegistry registry;
    const std::string key = "SOFTWARE\\Test";
};

TEST_F(AccessorTest, ABackslashStartsAtTheRootAndAFailedOpenKeepsTheCurrentKey) {
    {
        RegistryAccessor reg(registry);
        EXPECT_TRUE(reg.OpenKey("\\SOFTWARE\\Test", true));
        EXPECT_TRUE(reg.OpenKey("Child", true));
        EXPECT_FALSE(reg.OpenKey("\\Missing", false));
        EXPECT_FALSE(reg.KeyExists("\\Missing"));
        EXPECT_TRUE(reg.KeyExists("\\SOFTWARE"));
        reg.WriteInteger("n", 7);
        EXPECT_EQ(registry.openHandles(), 1) << "one key open at a time";
    }
    EXPECT_EQ(registry.openHandles(), 0);
    EXPECT_EQ(registry.Dword(key + "\\Child", "n"), 7u);
    EXPECT_FALSE(registry.Exists("Child"));
    EXPECT_FALSE(registry.Exists("Missing"));
}

TEST_F(AccessorTest, StringsAreWrittenWithoutTerminatorAndReadUpToTheFirstZero) {
    RegistryAccessor reg(registry);
    reg.OpenKey("\\SOFTWARE\\Test", true);
    reg.WriteString("plain", "abc");
    reg.WriteString("empty", "");
    EXPECT_EQ(registry.Get(key, "plain")->data, (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(registry.Get(key, "plain")->type, RegType::Sz);
    EXPECT_TRUE(registry.Get(key, "empty")->data.empty());

    registry.PutString(key, "zero", "abc", true);
    registry.Put(key, "inner", RegType::Sz, {'a', 'b', 0, 'c'});
    registry.Put(key, "expand", RegType::ExpandSz, {'%', 'W', '%', 0});
    registry.Put(key, "nothing", RegType::Dword, {});
    for (auto [name, text] : {std::pair{"plain", "abc"},
                              {"zero", "abc"},
                              {"inner", "ab"},
                              {"expand", "%W%"},
                              {"empty", ""},
                              {"nothing", ""},
                              {"absent", ""}})
        EXPECT_EQ(reg.ReadString(name), text) << name;
}

TEST_F(AccessorTest, NumbersAreSignedFourByteValuesAndAnyNonzeroIsTrue) {
    RegistryAccessor reg(registry);
    reg.OpenKey("\\SOFTWARE\\Test", true);
    reg.WriteInteger("neg", -2);
    reg.WriteBool("t", true);
    reg.WriteBool("f", false);
    registry.PutDword(key, "two", 2);
    EXPECT_EQ(registry.Get(key, "neg")->data, (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(reg.ReadInteger("neg"), -2);
    EXPECT_EQ(registry.Dword(key, "t"), 1u);
    EXPECT_EQ(registry.Dword(key, "f"), 0u);
    EXPECT_TRUE(reg.ReadBool("two"));
    EXPECT_FALSE(reg.ReadBool("f"));
}

// What went wrong, as the failure's message with the value's quoted name
// (which it must hold) taken out.
std::string FailureOf(const std::function<void()>& action, const std::string& name) {
    try {
        action();
    } catch (const ERegistryException& e) {
        std::string text = e.what();
        const std::size_t at = text.find("'" + name + "'");
        return at == std::string::npos ? "name missing: " + text : text.erase(at, name.size() + 2);
    }
    return "no error";
}

TEST_F(AccessorTest, FailuresToGetToSetAndOfTheWrongTypeEachNameTheirValue) {
    RegistryAccessor reg(registry);
    registry.failingWrites = {"Path", "Count"};
    enum Kind { Get, Type, Set };
    struct Row {
        Kind kind;
        std::string name;
        std::function<void()> action;
    };
    const Row rows[] = {
        {Set, "x",
         [&] {
             reg.WriteString("x", "x");
         }}, // before any key is open
        {Get, "x",
         [&] {
             reg.ReadInteger("x");
         }},
        {Set, "Path",
         [&] {
             reg.OpenKey("\\SOFTWARE\\Test", true);
             reg.WriteString("Path", "");
         }},
        {Set, "Count",
         [&] {
             reg.WriteInteger("Count", 1);
         }},
        {Set, "Count",
         [&] {
             reg.WriteBool("Count", true);
         }},
        {Type, "dword",
         [&] {
             reg.ReadString("dword");
         }},
        {Type, "short",
         [&] {
             reg.ReadInteger("short");
         }},
        {Type, "binary4",
         [&] {
             reg.ReadInteger("binary4");
         }},
        {Get, "long",
         [&] {
             reg.ReadInteger("long");
         }},
        {Get, "absent",
         [&] {
             reg.ReadBool("absent");
         }},
    };
    registry.PutDword(key, "dword", 5);
    registry.PutString(key, "short", "1", true);
    registry.PutString(key, "long", "hello world");
    registry.Put(key, "binary4", RegType::Binary, {1, 0, 0, 0});
    std::map<Kind, std::set<std::string>> failures;
    for (const Row& row : rows)
        failures[row.kind].insert(FailureOf(row.action, row.name));
    std::set<std::string> kinds;
    for (const auto& [kind, texts] : failures) {
        EXPECT_EQ(texts.size(), 1u) << *texts.begin() << " / " << *texts.rbegin();
        kinds.insert(*texts.begin());
    }
    EXPECT_EQ(kinds.size(), 3u);
    EXPECT_EQ(kinds.count("no error"), 0u);
}

} // namespace
} // namespace corvane::testing
