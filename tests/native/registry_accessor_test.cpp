#include "core/registry_accessor.h"
#include "tests/native/memory_registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace corvane::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
const std::string kKey = "SOFTWARE\\Test";

TEST(RegistryAccessor, ABackslashStartsAtTheRootAndAFailedOpenLeavesNoKeyCurrent) {
    MemoryRegistry registry;
    {
        RegistryAccessor reg(registry);
        EXPECT_TRUE(reg.OpenKey("\\SOFTWARE\\Test", true));
        EXPECT_TRUE(reg.OpenKey("Child", true));
        EXPECT_FALSE(reg.KeyExists("\\Missing") || reg.KeyExists("Child"));
        EXPECT_TRUE(reg.KeyExists("\\SOFTWARE"));
        reg.WriteInteger("n", 7);
        EXPECT_EQ(registry.openHandles(), 1) << "one key open at a time";
        registry.Lock(kKey + "\\Locked");
        EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Test\\Locked", true));
        EXPECT_THROW(reg.WriteInteger("n", 8), ERegistryException) << "no key is current";
    }
    EXPECT_EQ(registry.openHandles(), 0);
    EXPECT_EQ(registry.Dword(kKey + "\\Child", "n"), 7u);
    EXPECT_FALSE(registry.Exists("Child") || registry.Exists("Missing"));
}

TEST(RegistryAccessor, ValuesAreStoredAsTheSystemKeepsThemAndReadBackSo) {
    MemoryRegistry registry;
    RegistryAccessor reg(registry);
    reg.OpenKey("\\SOFTWARE\\Test", true);
    reg.WriteString("text", "abc");
    reg.WriteString("empty", "");
    reg.WriteInteger("number", -0x01020304);
    reg.WriteBool("yes", true);
    reg.WriteBool("no", false);
    registry.PutDword(kKey, "two", 2);
    for (auto [name, type, data] : {std::tuple{"text", RegType::Sz, Bytes{'a', 'b', 'c'}},
                                    {"empty", RegType::Sz, Bytes{}},
                                    {"number", RegType::Dword, Bytes{0xFC, 0xFC, 0xFD, 0xFE}},
                                    {"yes", RegType::Dword, Bytes{1, 0, 0, 0}},
                                    {"no", RegType::Dword, Bytes{0, 0, 0, 0}}})
        EXPECT_EQ(std::tie(registry.Get(kKey, name)->type, registry.Get(kKey, name)->data),
                  std::tie(type, data))
            << name;
    EXPECT_EQ(std::make_tuple(reg.ReadInteger("number"), reg.ReadBool("two"), reg.ReadBool("no")),
              std::make_tuple(-0x01020304, true, false));

    registry.Put(kKey, "inner", RegType::Sz, {'a', 'b', 0, 'c'});
    registry.Put(kKey, "expand", RegType::ExpandSz, {'%', 'W', '%', 0});
    registry.Put(kKey, "nothing", RegType::Dword, {});
    const std::pair<const char*, const char*> texts[] = {
        {"text", "abc"}, {"inner", "ab"}, {"expand", "%W%"}, {"nothing", ""}, {"absent", ""}};
    for (auto [name, text] : texts)
        EXPECT_EQ(reg.ReadString(name), text) << name;
}

// What went wrong: the failure's message with the value's quoted name, which
// it must hold, taken out.
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

TEST(RegistryAccessor, FailuresToGetToSetAndOfTheWrongTypeEachNameTheirValue) {
    MemoryRegistry registry;
    RegistryAccessor reg(registry);
    registry.failingWrites = {"Path", "Count"};
    registry.PutDword(kKey, "dword", 5);
    registry.Put(kKey, "long", RegType::Dword, {1, 2, 3, 4, 5});
    registry.Put(kKey, "binary", RegType::Binary, {1, 0, 0, 0});
    const std::string set = FailureOf([&] { reg.WriteString("x", ""); }, "x"); // no key open
    const std::string get = FailureOf([&] { reg.ReadInteger("x"); }, "x");
    reg.OpenKey("\\SOFTWARE\\Test", true);
    const std::string type = FailureOf([&] { reg.ReadString("dword"); }, "dword");
    EXPECT_EQ(std::set({set, get, type, std::string("no error")}).size(), 4u);
    EXPECT_EQ(FailureOf([&] { reg.WriteString("Path", ""); }, "Path"), set);
    EXPECT_EQ(FailureOf([&] { reg.WriteInteger("Count", 1); }, "Count"), set);
    EXPECT_EQ(FailureOf([&] { reg.ReadInteger("binary"); }, "binary"), type);
    EXPECT_EQ(FailureOf([&] { reg.ReadInteger("long"); }, "long"), get);
}

} // namespace
} // namespace corvane::testing
