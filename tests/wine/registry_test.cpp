// Win32Registry on the real registry.
#include "core/win32/registry_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <tuple>

namespace corvane::win32 {
namespace {

TEST(Win32Registry, StoresExactlyTheGivenBytesAndReadsThemBackAndTellsAGoneKey) {
    const char* const path = "SOFTWARE\\Quennard\\CorvaneTests";
    RegDeleteTreeA(HKEY_CURRENT_USER, path);
    Win32Registry api;
    const std::optional<RegKey> key = api.CreateKey(api.CurrentUser(), path);
    ASSERT_TRUE(key);
    // RegSetValueExA stores a terminating zero the caller left out whenever the byte after the
    // text happens to be zero: no length may get one.
    for (std::uint8_t length = 1; length <= 64; ++length) {
        const std::string text(length, static_cast<char>('a' + length % 26));
        ASSERT_TRUE(api.SetValue(*key, "text", RegType::Sz, {text.begin(), text.end()}));
        const RegValue read = api.QueryValue(*key, "text");
        EXPECT_EQ(std::make_pair(read.type, std::string(read.data.begin(), read.data.end())),
                  std::make_pair(RegType::Sz, text));
    }
    const std::vector<std::uint8_t> dword{0xFE, 0xFF, 0xFF, 0xFF};
    ASSERT_TRUE(api.SetValue(*key, "dword", RegType::Dword, dword));
    const RegValue read = api.QueryValue(*key, "dword");
    EXPECT_EQ(std::tie(read.type, read.data), std::make_tuple(RegType::Dword, dword));
    EXPECT_EQ(api.QueryValue(*key, "absent").status, RegValue::Status::NotFound);
    api.CloseKey(*api.CreateKey(*key, "Gone"));
    EXPECT_TRUE(api.DeleteKey(*key, "Gone"));
    EXPECT_EQ(api.OpenKey(*key, "Gone").status, OpenedKey::Status::NotFound);
    api.CloseKey(*key);
    RegDeleteTreeA(HKEY_CURRENT_USER, path);
}

} // namespace
} // namespace corvane::win32
