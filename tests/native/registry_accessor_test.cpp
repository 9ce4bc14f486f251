#include "core/registry_accessor.h"
#include "tests/data_rows.h"
#include "tests/native/memory_registry.h"

#include <gtest/gtest.h>

#include <sstream>

namespace corvane::testing {
namespace {

const std::string kKey = "SOFTWARE\\Test";

// What an action gave, or its failure's message with the value's quoted name as "*".
std::string Outcome(const std::string& name, const auto& action) {
    try {
        return action();
    } catch (const ERegistryException& e) {
        std::string text = e.what();
        const std::size_t at = text.find("'" + name + "'");
        return at == std::string::npos ? "name missing: " + text
                                       : text.replace(at, name.size() + 2, "*");
    }
}

TEST(RegistryAccessor, ABackslashStartsAtTheRootAndAFailedOpenLeavesNoKeyCurrent) {
    MemoryRegistry registry;
    {
        RegistryAccessor reg(registry);
        const auto write = [&](const char* name) { // an integer
            return Outcome(name, [&] { return reg.WriteInteger(name, 7), std::string("written"); });
        };
        EXPECT_EQ(Outcome("n", [&] { return std::to_string(reg.ReadInteger("n")); }),
                  "Failed to get data for *")
            << "no key open";
        EXPECT_EQ(write("n"), "Failed to set data for *");
        EXPECT_TRUE(reg.OpenKey("\\SOFTWARE\\Test", true) && reg.OpenKey("Child", true));
        EXPECT_FALSE(reg.KeyExists("\\Missing") || reg.KeyExists("Child"));
        EXPECT_TRUE(reg.KeyExists("\\SOFTWARE"));
        EXPECT_EQ(write("n"), "written");
        EXPECT_EQ(registry.openHandles(), 1) << "one key open at a time";
        registry.failingWrites = {"Path"};
        EXPECT_EQ(write("Path"), "Failed to set data for *");
        registry.Lock(kKey + "\\Locked");
        EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Test\\Locked", true));
        EXPECT_EQ(write("n"), "Failed to set data for *") << "no key is current";
    }
    EXPECT_EQ(registry.openHandles(), 0);
    EXPECT_EQ(registry.Dword(kKey + "\\Child", "n"), 7u);
    EXPECT_FALSE(registry.Exists("Child") || registry.Exists("Missing"));
}

TEST(RegistryAccessor, ValuesAreReadAndWrittenAsTheSystemKeepsThem) {
    for (const DataRow& r : DataRows("registry_values.tsv")) {
        MemoryRegistry registry;
        RegistryAccessor reg(registry);
        reg.OpenKey("\\" + kKey, true);
        const RegType type = static_cast<RegType>(std::stoi(r[1]));
        std::vector<std::uint8_t> bytes;
        std::istringstream hex(r[2]);
        for (unsigned byte; hex >> std::hex >> byte;)
            bytes.push_back(static_cast<std::uint8_t>(byte));
        if (type != RegType::None)
            registry.Put(kKey, "v", type, bytes);
        EXPECT_EQ(Outcome("v", [&] { return reg.ReadString("v"); }), r[3]) << r[2];
        EXPECT_EQ(Outcome("v", [&] { return std::to_string(reg.ReadInteger("v")); }), r[4]) << r[2];
        if (r[0] == "written") {
            type == RegType::Sz ? reg.WriteString("w", r[3])
                                : reg.WriteInteger("w", std::stoi(r[4]));
            EXPECT_EQ(std::tie(registry.Get(kKey, "w")->type, registry.Get(kKey, "w")->data),
                      std::tie(type, bytes))
                << r[2];
        }
    }
    MemoryRegistry registry;
    RegistryAccessor reg(registry);
    reg.OpenKey("\\" + kKey, true);
    reg.WriteBool("yes", true);
    reg.WriteBool("no", false);
    registry.PutDword(kKey, "two", 2);
    EXPECT_EQ(std::make_tuple(registry.Dword(kKey, "yes"), registry.Dword(kKey, "no"),
                              reg.ReadBool("two"), reg.ReadBool("no")),
              std::make_tuple(1u, 0u, true, false));
}

} // namespace
} // namespace corvane::testing
