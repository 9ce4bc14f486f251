// The store as a registry file and back: the text "reg export" writes, and what an import takes.
#include "core/launch.h"
#include "core/reg_file.h"
#include "core/store_file.h"
#include "tests/data_rows.h"
#include "tests/native/doubles.h"

#include <gtest/gtest.h>

#include <fstream>

namespace corvane::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string DataFile(const std::string& name) {
    std::string path = __FILE__;
    path = path.substr(0, path.find_last_of("/\\") + 1) + "../data/" + name;
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Replaced(std::string text, char from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, 1, to);
    return text;
}

// The text of every kind of value, with data that wraps, in the form and order "reg export" writes.
TEST(RegFile, KeysAndValuesAreWrittenAsRegExportWritesThem) {
    MemoryRegistry registry;
    const std::string key = "Software\\Quennard\\Corvane\\3.0";
    EntryTable table;
    table.Append(
        {"C:\\Program Files\\\"q\"\\a.exe", "", "-x \"1\"", "Caf\u00e9 \u4e2d \U0001F600"});
    table.Append({"b.exe", "b.ico", "", "B", true, 2});
    const Bytes exported = ExportStore({true, false, true, false}, 0x064B, table);
    EXPECT_EQ(exported, RegFileBytes(DataFile("export.reg.txt")));
    registry.Put(key, "", RegType::Sz, {'d'});
    registry.Put(key, "a long name that puts the hex data further right", RegType::Binary,
                 Bytes(40, 0xAB));
    registry.Put(key, "x", RegType::ExpandSz, {'%', 'P', '%', '\\', 'a'});
    registry.Put(key, "m", RegType::MultiSz, {'a', 0, 'b', 0, 0});
    registry.Put(key, "n", RegType::None, {});
    registry.Put(key, "short", RegType::Dword, {1, 2});
    registry.Put(key, "Zone", RegType::Sz, {'1'});
    registry.Put(key, "zONE", RegType::Sz, {'2'}); // the same value
    registry.Put(key + "\\Sub", "Count", RegType::Dword, {0x15, 0, 0, 0x80});
    registry.Put(key + "\\Sub\\Under", "v", RegType::Sz, {});
    EXPECT_EQ(RegFileText(registry, "SOFTWARE\\QUENNARD\\Corvane\\3.0"),
              DataFile("values.reg.txt"));
}

// Each file of the table is taken or refused as its row says, as UTF-16 or REGEDIT4 text.
TEST(RegFile, AnImportTakesWhatAStoreHoldsAndRefusesAnythingElseWithItsLine) {
    const std::string settings = "HKEY_CURRENT_USER\\SOFTWARE\\Quennard\\Corvane\\3.0";
    for (const DataRow& row : DataRows("reg_files.tsv")) {
        const std::string body = Replaced(Replaced(row[1], '$', settings), '|', "\r\n");
        const std::string eightBit =
            (row[0] == "4" ? kRegFileHeader4 + std::string("\n") : "") + body;
        const StoreImport imported =
            ImportStore(row[0] == "5" ? RegFileBytes(std::string(kRegFileHeader) + "\r\n" + body)
                                      : Bytes(eightBit.begin(), eightBit.end()));
        std::string outcome = imported.refusal;
        if (imported.contents) {
            outcome = "ok";
            for (const Entry& entry : imported.contents->entries)
                outcome += "/" + entry.ToolTip;
        }
        EXPECT_EQ(outcome, row[2]) << row[1];
    }
}

// A table of 20 entries with the longest texts a store takes comes back whole, its options too; a
// text one longer is refused.
TEST(RegFile, AnExportedStoreImportsAsItWasAndLongerTextsAreRefused) {
    EntryTable table;
    const std::string path(kShellPathMax - 1, 'p');
    for (int slot = 0; slot < kMaxEntries; ++slot)
        table.Append({path + "\u00e9", "", std::to_string(slot),
                      std::string(kToolTipMax - 2, 't') + "\U0001F600", slot % 2 == 0, slot % 4});
    const Options options{false, true, false, true};
    const StoreImport imported = ImportStore(ExportStore(options, 0x0341, table));
    ASSERT_TRUE(imported.contents) << imported.refusal;
    EXPECT_EQ(imported.contents->options, options);
    EXPECT_EQ(imported.contents->hotKey, 0x0341);
    for (int slot = 0; slot < kMaxEntries; ++slot) {
        Entry expected = table.At(slot);
        expected.IconPath = expected.Path; // stored so
        expected.IconId = 0;
        EXPECT_EQ(imported.contents->entries.at(static_cast<std::size_t>(slot)), expected);
    }
    table.Modify(19, {path + "ab"});
    EXPECT_EQ(ImportStore(ExportStore(options, 0, table)).refusal,
              "Line 111: holds \"Icon Path\" longer than 259 characters");
    // A key alone holds every option off and no hot key; an 8-bit file may start with UTF-8's mark.
    const std::string bare = "\xEF\xBB\xBF" + std::string(kRegFileHeader4) +
                             "\n[HKEY_CURRENT_USER\\SOFTWARE\\Quennard\\Corvane\\3.0]\n";
    const StoreImport keyAlone = ImportStore(Bytes(bare.begin(), bare.end()));
    ASSERT_TRUE(keyAlone.contents) << keyAlone.refusal;
    EXPECT_TRUE(keyAlone.contents->options == Options{} && keyAlone.contents->hotKey == 0);
    Bytes largest(bare.begin(), bare.end());
    largest.resize(kRegFileMaxBytes, ';'); // a comment to the end
    EXPECT_TRUE(ImportStore(largest).contents) << "the largest file taken";
    MemoryRegistry memory;
    memory.Put("K", "v", RegType::Sz, {});
    EXPECT_FALSE(
        memory.SetValue(memory.OpenKey(memory.CurrentUser(), "K").key, "v", RegType::Sz, {'x'}))
        << "a key opened for reading takes no writes";
    Bytes odd = RegFileBytes(kRegFileHeader);
    odd.push_back(0);
    EXPECT_EQ(ImportStore(odd).refusal,
              "Line 1: belongs to a UTF-16 file of an odd number of bytes");
    EXPECT_EQ(ImportStore(Bytes(kRegFileMaxBytes + 1, ' ')).refusal,
              "Line 1: belongs to a file larger than any settings file");
}

} // namespace
} // namespace corvane::testing
