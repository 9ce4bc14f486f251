// The store as a registry file and back: the text "reg export" writes, and what an import takes.
#include "core/launch.h"
#include "core/reg_file.h"
#include "core/settings_file.h"
#include "core/show_commands.h"
#include "core/store_file.h"
#include "core/store_layout.h"
#include "core/text.h"
#include "tests/data_rows.h"
#include "tests/native/doubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace corvane::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

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
    for (const DataRow& r : DataRows("export_values.tsv"))
        registry.Put(key + r[0], r[1], RegType(std::stoi(r[2])), Bytes(r[3].begin(), r[3].end()));
    EXPECT_EQ(RegFileText(registry, "SOFTWARE\\QUENNARD\\Corvane\\3.0"),
              DataFile("values.reg.txt"));
}

// Each file of the table is taken, empty or refused as its row says: imported as UTF-16 or REGEDIT4
// text, or read as Corvane.ini, which fills the registry only when it is taken.
TEST(StoreFile, AFileIsTakenWithWhatAStoreHoldsAndRefusedWithItsLineForAnythingElse) {
    for (const DataRow& row : DataRows("reg_files.tsv")) {
        const std::string& body = row[1];
        const std::string eightBit =
            (row[0] == "4" ? kRegFileHeader4 + std::string("\n") : "") + body;
        MemoryRegistry memory;
        const SettingsFileRead ini = ReadSettingsFile(Bytes(body.begin(), body.end()), memory);
        StoreImport imported{SettingsStore(memory).Load(), ini.empty ? "empty" : ini.refusal};
        if (row[0] != "ini")
            imported = ImportStore(row[0] == "5"
                                       ? RegFileBytes(std::string(kRegFileHeader) + "\r\n" + body)
                                       : Bytes(eightBit.begin(), eightBit.end()));
        std::string outcome = imported.refusal.empty() ? "ok" : imported.refusal;
        for (const Entry& entry : imported.contents.value_or(StoreContents{}).entries)
            outcome += "/" + entry.description;
        EXPECT_EQ(outcome, row[2]) << row[1];
    }
    // Found by the fuzzer: its export wrote a line break inside quotes. The 8-bit text of the
    // Path's hex(2) ends at a zero after "C", 0x03 and a line break: no file name holds those.
    const std::string found = DataFile("reg_seeds/regedit4-path-line-break.reg");
    EXPECT_EQ(ImportStore(Bytes(found.begin(), found.end())).refusal,
              "Line 12: holds \"Path\" with a control character");
}

// Stores that the entry rule admits, drawn with a fixed seed, export and import again as they were:
// up to 20 entries, every option and hot key, texts of every script with the characters of the
// file's own form, control characters where the rule allows them, now and then at their longest
// (the first store holds the longest of everything).
TEST(RegFile, EveryStoreTheRuleAdmitsExportsAndImportsAgainAsItWas) {
    using enum EntryText;
    const std::string printable[] = {"a",      "Z",      " ",      "\"",     "\\",        "=",
                                     ",",      "[",      "]",      ";",      "@",         "%",
                                     "\u00e9", "\u0416", "\u4e2d", "\u3042", "\U0001F600"};
    const std::string controls[] = {"\r\n", "\n", "\r", "\t", "\x01", "\x1B", "\x7F", "\u0085"};
    std::mt19937 random(7);
    const auto below = [&random](std::size_t n) {
        return random() % n;
    };
    const auto text = [&](EntryText field, bool longest) {
        const bool path = field == Path || field == IconPath;
        // Parameters at their longest (32767 units) only in the first store, which takes seconds.
        const std::size_t length = longest || (below(8) == 0 && field != Parameters)
                                       ? LongestText(field)
                                       : below(std::min<std::size_t>(LongestText(field), 40) + 1);
        std::string text;
        for (std::size_t units = 0; units < length;) {
            std::string piece = !path && below(6) == 0 ? controls[below(std::size(controls))]
                                                       : printable[below(std::size(printable))];
            if (units + Utf16Length(piece) > length)
                piece = "x";
            units += Utf16Length(piece);
            text += piece;
        }
        // A path may be wrapped in double quotes, which a launch takes off.
        return path && below(4) == 0 ? "\"" + text + "\"" : text;
    };
    for (int store = 0; store < 40; ++store) {
        const bool longest = store == 0;
        StoreContents contents{{below(2) == 1, below(2) == 1, below(2) == 1, below(2) == 1},
                               static_cast<std::uint16_t>(below(0x1000))};
        EntryTable table;
        for (std::size_t n = longest ? kMaxEntries : below(kMaxEntries + 1); n > 0; --n) {
            Entry entry{text(Path, longest), below(4) == 0 ? "" : text(IconPath, longest),
                        text(Parameters, longest), text(Description, longest)};
            entry.autoStart = below(2) == 1, entry.runAsAdmin = below(2) == 1;
            entry.startMode = static_cast<std::int32_t>(below(4));
            entry.iconId = table.At(table.Append(entry)).iconId;
            entry.iconPath = entry.iconPath.empty() ? entry.path : entry.iconPath; // stored so
            contents.entries.push_back(entry);
        }
        const StoreImport imported =
            ImportStore(ExportStore(contents.options, contents.hotKey, table));
        ASSERT_TRUE(imported.contents) << store << ": " << imported.refusal;
        EXPECT_EQ(imported.contents->entries, contents.entries) << store;
        EXPECT_TRUE(imported.contents->options == contents.options &&
                    imported.contents->hotKey == contents.hotKey)
            << store;
    }
}

TEST(RegFile, AKeyAloneHoldsTheDefaultsAndTheLargestFileIsTakenAnOddOrLargerOneRefused) {
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
    EXPECT_TRUE(ReadSettingsFile(Bytes(kRegFileMaxBytes, ' '), memory).empty);
    EXPECT_EQ(ReadSettingsFile(Bytes(kRegFileMaxBytes + 1, ' '), memory).refusal,
              "Line 1: belongs to a file larger than any settings file");
}

// A saved store is written as the data's file and read back as it was: texts with blanks at their
// ends or a quote first in quotes, a value the store does not know kept as a text, each line break
// a blank.
TEST(SettingsFile, AStoreIsWrittenAsItsFileAndReadBackAsItWas) {
    MemoryRegistry saved, read;
    SettingsStore store(saved);
    EntryTable table;
    table.Append({"\"C:\\Program Files\\a.exe\"", " b.ico", "-x \"1\" ", "Caf\u00e9 \U0001F600"});
    table.Append({"b.exe", "", "\t-x\t", "\"quoted\"", true, 2, 0, true});
    store.Save({true, false, true, false}, table);
    store.SaveHotKey(0x064B);
    saved.Put(SettingsPath(), "Newer", RegType::Sz, {' ', 'A', '\r', '\n', 'B', '\n', 'C', '\r'});
    const Bytes bytes = SettingsFileBytes(saved, SettingsPath());
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), DataFile("settings.ini.txt"));
    ReadSettingsFile(bytes, read);
    const StoreContents before = SettingsStore(saved).Load(), after = SettingsStore(read).Load();
    EXPECT_TRUE(after.entries == before.entries && after.options == before.options &&
                after.hotKey == 0x064B && read.OpenHandles() == 0);
    EXPECT_EQ(SettingsFileBytes(read, SettingsPath()), bytes);
}

// The question shows what each entry starts and how, every character visibly (no line of it can
// be forged), the start and end of a long text, and two lines an entry however long its texts.
TEST(ImportQuestion, ShowsWhatEachEntryStartsAndHowWithEveryHiddenCharacterVisible) {
    const std::string tip(64, 'd'),
        params = std::string(26, 'p') + "\U00010000" + std::string(73, 'p') + " && evil";
    StoreContents contents{{true, false, true, false}, 0x064B};
    contents.entries = {
        {"C:\\Windows\\cmd.exe", "", "/c del \"%TEMP%\"\\*", "Notepad", true, smHidden, 0, true},
        {"C:\\new\\x.exe", "", "\u2029\u200E\u200F\u202A\u2066\u2069",
         "A\r\n2. Forged\t\x1B\u2028\u202E\\\\n", false, smMaximized},
        {"\\\\server\\tools\\u.exe", "", params, tip, false, 9}};
    const std::string question = ImportQuestion(contents);
    EXPECT_EQ(question, DataFile("import_question.txt"));
    StoreContents full;
    full.entries.assign(kMaxEntries, {std::string(kShellPathMax, '\\'), "",
                                      std::string(kTextValueMax, '\n'), std::string(64, '\x7F')});
    const std::string longest = ImportQuestion(full);
    EXPECT_EQ(std::count(longest.begin(), longest.end(), '\n'), 2 * kMaxEntries + 8);
    for (std::size_t at = 0, end = 0; at < longest.size(); at = end + 1) {
        end = std::min(longest.find('\n', at), longest.size());
        EXPECT_LE(end - at, 190u) << longest.substr(at, end - at);
    }
}

} // namespace
} // namespace corvane::testing
