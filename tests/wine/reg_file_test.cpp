// Settings files through the system's own reg.exe: what the program exports, "reg import" stores
// as the program's save would, and what "reg export" writes, the program imports.
#include "core/store_file.h"
#include "core/win32/registry_win32.h"
#include "core/win32/settings_file_win32.h"
#include "core/win32/wide.h"
#include "shell/win32/file_system_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::win32 {
namespace {

const wchar_t* const kSettings = L"SOFTWARE\\Quennard\\Corvane\\3.0";

// reg.exe with the arguments; its exit code, or -1 when it could not start.
int Reg(const std::wstring& arguments) {
    std::wstring command = L"reg.exe " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return -1;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0) << "reg.exe to end";
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

StoreContents Stored() {
    Win32Registry api;
    return SettingsStore(api).Load();
}

TEST(RegFile, RegImportStoresAnExportAsItWasAndRegExportOfThatStoreImportsAsItWas) {
    wchar_t folder[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, folder), 0u);
    const std::string file = Narrow(folder) + "corvane \u00e9xport.reg";
    const std::string again = Narrow(folder) + "corvane again.reg";
    EntryTable table;
    // A description with a line break goes in hex(1).
    table.Append(
        {"C:\\Caf\u00e9\\\"q\"\\\u4e2d.exe", "", "-x \"a b\"", "Caf\u00e9\r\n\u4e2d \U0001F600"});
    table.Append({"C:\\b.exe", "C:\\b.ico", "", "B\\", true, 3});
    const Options options{true, false, true, false};
    Win32FileSystem files;
    ASSERT_TRUE(files.WriteFile(file, ExportStore(options, 0x064B, table)));

    RegDeleteTreeW(HKEY_CURRENT_USER, kSettings);
    ASSERT_EQ(Reg(L"import \"" + Wide(file) + L"\""), 0);
    const StoreContents stored = Stored();
    const std::vector<Entry> entries{
        {table.At(0).path, table.At(0).path, "-x \"a b\"", table.At(0).description, false, 0, 1000},
        {"C:\\b.exe", "C:\\b.ico", "", "B\\", true, 3, 1001}};
    EXPECT_EQ(std::tie(stored.options, stored.entries), std::tie(options, entries));

    ASSERT_EQ(Reg(L"export HKCU\\" + std::wstring(kSettings) + L" \"" + Wide(again) + L"\" /y"), 0);
    const std::optional<std::vector<std::uint8_t>> exported = files.ReadFile(again, 1 << 20);
    ASSERT_TRUE(exported);
    const StoreImport imported = ImportStore(*exported);
    ASSERT_TRUE(imported.contents) << imported.refusal;
    EXPECT_EQ(imported.contents->options, options);
    EXPECT_EQ(imported.contents->entries, stored.entries);
    EXPECT_EQ(imported.contents->hotKey, 0x064B) << "the hot key, through reg.exe both ways";
    DeleteFileW(Wide(file).c_str());
    DeleteFileW(Wide(again).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettings);
}

// The portable copy's file: a save replaces it whole and leaves nothing beside it; a read-only
// file is not writable (Wine replaces it all the same); an unreadable one goes aside, untouched, never over
// another kept before.
TEST(Win32SettingsFile, ReplacesTheFileWholeAndKeepsAnUnreadableOneAsideUnderANewName) {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::string folder = Narrow(temp) + "corvane stick \u00e9\\";
    CreateDirectoryW(Wide(folder).c_str(), nullptr);
    Win32SettingsFile file(folder + "Corvane.ini");
    EXPECT_EQ(file.Read().status, FileContents::Status::NotFound);
    const std::vector<std::uint8_t> first{'a', '\r', '\n'}, second{'b'};
    ASSERT_TRUE(file.Writable() && file.Replace(first) && file.Replace(second));
    EXPECT_EQ(file.Read().bytes, second);
    EXPECT_EQ(GetFileAttributesW(Wide(folder + "Corvane.ini.new").c_str()),
              INVALID_FILE_ATTRIBUTES);

    SetFileAttributesW(Wide(file.Path()).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(file.Writable());
    SetFileAttributesW(Wide(file.Path()).c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_EQ(file.KeepAside(), folder + "Corvane (unreadable).ini");
    ASSERT_TRUE(file.Replace(first));
    EXPECT_EQ(file.KeepAside(), folder + "Corvane (unreadable 2).ini");
    EXPECT_EQ(file.Read().status, FileContents::Status::NotFound);
    EXPECT_EQ(Win32SettingsFile(folder + "Corvane (unreadable).ini").Read().bytes, second);
    for (const char* name : {"Corvane (unreadable).ini", "Corvane (unreadable 2).ini"})
        DeleteFileW(Wide(folder + name).c_str());
    RemoveDirectoryW(Wide(folder).c_str());
}

} // namespace
} // namespace corvane::win32
