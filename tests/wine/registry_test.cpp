// The registry accessor on the real registry.
#include "core/registry_accessor.h"
#include "core/settings_store.h"
#include "core/win32/registry_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace corvane::win32 {
namespace {

const char* const kTestKey = "SOFTWARE\\Quennard\\CorvaneTests";

class RealRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }

    // The raw stored bytes and type, as another tool would see them.
    std::pair<DWORD, std::string> Raw(const char* name) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return {0, "(no key)"};
        DWORD type = 0;
        char data[512];
        DWORD size = sizeof data;
        const LONG status =
            RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS)
            return {0, "(no value)"};
        return {type, std::string(data, size)};
    }

    void PutRaw(const char* name, DWORD type, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }

    std::string ErrorOf(const std::function<void()>& read) {
        try {
            read();
        } catch (const ERegistryException& e) {
            return e.what();
        }
        return "(no error)";
    }

    Win32Registry api;
};

TEST_F(RealRegistryTest, StringsAreStoredWithoutTerminatorAndEmptyOnesWithSizeZero) {
    RegistryAccessor reg(api);
    ASSERT_TRUE(reg.OpenKey(std::string("\\") + kTestKey, true));
    reg.WriteString("Path", "C:\\Tools\\edit.exe");
    reg.WriteString("Params", "");
    EXPECT_EQ(Raw("Path"), std::make_pair(DWORD{REG_SZ}, std::string("C:\\Tools\\edit.exe")));
    EXPECT_EQ(Raw("Params"), std::make_pair(DWORD{REG_SZ}, std::string()));
    EXPECT_EQ(reg.ReadString("Path"), "C:\\Tools\\edit.exe");
    EXPECT_EQ(reg.ReadString("Params"), "");
}

// RegSetValueExA counts a left-out terminating zero when the byte after the
// data happens to be zero, so the stored size must not depend on the heap.
TEST_F(RealRegistryTest, EveryLengthOfTextIsStoredWithExactlyItsCharacters) {
    RegistryAccessor reg(api);
    ASSERT_TRUE(reg.OpenKey(std::string("\\") + kTestKey, true));
    for (std::size_t length = 1; length <= 64; ++length) {
        const std::string text(length, static_cast<char>('a' + length % 26));
        reg.WriteString("text", text);
        EXPECT_EQ(Raw("text"), std::make_pair(DWORD{REG_SZ}, text)) << "length " << length;
    }
}

TEST_F(RealRegistryTest, ReadsStopAtTheFirstZeroAndTakeExpandableTextUnexpanded) {
    PutRaw("zero", REG_SZ, std::string("abc\0", 4));
    PutRaw("inner", REG_SZ, std::string("ab\0cd\0", 6));
    PutRaw("expand", REG_EXPAND_SZ, std::string("%WINDIR%\\x\0", 11));
    RegistryAccessor reg(api);
    reg.OpenKey(std::string("\\") + kTestKey, true);
    EXPECT_EQ(reg.ReadString("zero"), "abc");
    EXPECT_EQ(reg.ReadString("inner"), "ab");
    EXPECT_EQ(reg.ReadString("expand"), "%WINDIR%\\x");
    EXPECT_EQ(reg.ReadString("absent"), "");
}

TEST_F(RealRegistryTest, WrongTypesAndMissingIntegersRaiseTheirMessages) {
    PutRaw("dword", REG_DWORD, std::string("\x05\0\0\0", 4));
    PutRaw("text", REG_SZ, std::string("1\0", 2));
    PutRaw("long", REG_BINARY, std::string(8, '\1'));
    RegistryAccessor reg(api);
    reg.OpenKey(std::string("\\") + kTestKey, true);
    EXPECT_EQ(ErrorOf([&] { reg.ReadString("dword"); }), "Invalid data type for 'dword'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("text"); }), "Invalid data type for 'text'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("long"); }), "Failed to get data for 'long'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadBool("absent"); }), "Failed to get data for 'absent'");
    EXPECT_EQ(reg.ReadInteger("dword"), 5);
}

TEST_F(RealRegistryTest, IntegersAreFourByteDwordsAndTheKeyIsCreatedOnOpen) {
    RegistryAccessor reg(api);
    reg.OpenKey(std::string("\\") + kTestKey + "\\Tool Box Icon  0", true);
    reg.WriteInteger("StartMode", -1);
    reg.WriteBool("Auto Start", true);
    reg.OpenKey(std::string("\\") + kTestKey, true);
    EXPECT_TRUE(reg.KeyExists(std::string("\\") + kTestKey + "\\Tool Box Icon  0"));
    EXPECT_FALSE(reg.KeyExists(std::string("\\") + kTestKey + "\\Tool Box Icon  1"));
    reg.OpenKey("Tool Box Icon  0", true);
    EXPECT_EQ(reg.ReadInteger("StartMode"), -1);
    EXPECT_TRUE(reg.ReadBool("Auto Start"));
}

} // namespace
} // namespace corvane::win32
