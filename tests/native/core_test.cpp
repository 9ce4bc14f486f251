// Launching an entry, a settings key, the settings store and the colours for the system's look.
#include "core/colour_scheme.h"
#include "core/environment.h"
#include "core/launch.h"
#include "core/settings_key.h"
#include "core/settings_store.h"
#include "core/show_commands.h"
#include "core/utf16.h"
#include "tests/data_rows.h"
#include "tests/native/doubles.h"
#include "tests/native/memory_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace corvane::testing {
namespace {

std::string EntryKey(int slot) {
    return kSettings + "\\Tool Box Icon  " + std::to_string(slot);
}

// Text crosses to the wide functions and back whole: zeros kept, every bad part one U+FFFD.
TEST(Utf16, EachRowConvertsExactlyAndTheLongestTextsRoundTrip) {
    for (const DataRow& row : DataRows("utf16.tsv")) {
        std::u16string units;
        for (std::size_t at = 0; row[1] != "-" && at < row[1].size(); at += 5)
            units += static_cast<char16_t>(std::stoi(row[1].substr(at, 4), nullptr, 16));
        if (row[2] != "to8") {
            EXPECT_EQ(Utf8ToUtf16(row[0]), units) << row[1];
        }
        if (row[2] != "to16") {
            EXPECT_EQ(Utf16ToUtf8(units), row[0]) << row[1];
        }
    }
    const std::string longest(32767 * 2, 'x');
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(longest + "\xF0\x9F\x98\x80")), longest + "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16LeBytesToUtf8(std::vector<std::uint8_t>{'a', 0, 'b'}), "a")
        << "an odd last byte";
}

TEST(ChooseColours, HighContrastWinsThenDarkAppsWhereTheBuildHasTheCalls) {
    const std::string names[] = {"light", "contrast", "dark", "untouched", "system", "dark"};
    for (const DataRow& r : DataRows("colour_schemes.tsv")) {
        const ColourScheme s = ChooseColours({static_cast<unsigned>(std::stoul(r[0])),
                                              r[1] == "dark", r[2] == "contrast", r[3] == "found"});
        EXPECT_EQ(DataRow({r[0], r[1], r[2], r[3], names[int(s.palette)],
                           std::to_string(s.titleBarAttribute), s.darkTitleBars ? "dark" : "light",
                           names[3 + int(s.menuMode)]}),
                  r);
    }
}

TEST(LaunchEntry, OpensThePathWithItsParamsInItsFolderAsAdministratorWhenAsked) {
    CallLog log;
    RecordingShell shell{log};
    FakeSystem system{log};
    for (const DataRow& r : DataRows("environment.tsv"))
        system.variables[r[0]] = r.at(1);
    for (const DataRow& r : DataRows("variables.tsv"))
        EXPECT_EQ(ExpandVariables(system, r[0]), r.size() > 1 ? r[1] : "") << r[0];
    for (const DataRow& r : DataRows("launches.tsv")) {
        shell.calls.clear();
        EXPECT_EQ(LaunchEntry(shell, system, kWindow, {.path = r[0], .parameters = r[1]},
                              kSwShowMaximized),
                  r.size() < 6); // a sixth cell: refused
        EXPECT_EQ(shell.calls, std::vector(!r[2].empty(), ShellCall{kWindow, true, "", r[2], r[3],
                                                                    r[4], kSwShowMaximized}))
            << r[0];
    }
    LaunchEntry(shell, system, kWindow, {.path = "C:\\a.exe", .runAsAdmin = true}, kSwShow);
    EXPECT_EQ(shell.calls.back().verb, "runas");
}

TEST(StoreLoad, ACountOf0To20IsTrustedElseTheEntryKeysThereAreLoadedAndNoneIsCreated) {
    for (const DataRow& r : DataRows("store_loads.tsv")) {
        MemoryRegistry registry;
        const int keys = std::stoi(r[1]), loaded = std::stoi(r[2]);
        if (r[0] == "text")
            registry.PutString(kSettings, "Icon Count", "3");
        else if (r[0] != "none")
            registry.PutDword(kSettings, "Icon Count", static_cast<std::uint32_t>(std::stoi(r[0])));
        for (int slot = 0; slot < keys; ++slot)
            registry.PutString(EntryKey(slot), "Path", "x");
        if (r[3] == "locked")
            registry.Lock(EntryKey(loaded));
        else if (r[3] == "missing")
            registry.DeleteKey(registry.CurrentUser(), EntryKey(loaded));
        const StoreContents stored = SettingsStore(registry).Load();
        const auto read = std::ranges::count(stored.entries, Entry{"x"});
        EXPECT_EQ(std::make_tuple(stored.firstRun ? -1 : read, stored.unreadEntry.has_value()),
                  std::make_tuple(loaded, r[4] == "yes"))
            << r[0] << " over " << keys;
        EXPECT_FALSE(registry.Exists(EntryKey(keys)));
    }
}

using Entries = std::vector<Entry>;

// The table after, reached from before as stored by the editor's deletes, modifies, appends and
// moves (an entry is known by its path).
EntryTable Edited(const Entries& before, const Entries& after) {
    EntryTable table = TableOf(before);
    table.MarkStored();
    for (int slot = table.Count() - 1; slot >= 0; --slot)
        if (std::ranges::none_of(after,
                                 [&](const Entry& e) { return e.path == table.At(slot).path; }))
            table.Delete(slot);
    for (int i = 0; i < static_cast<int>(after.size()); ++i) {
        const Entry& wanted = after[static_cast<std::size_t>(i)];
        int at = i;
        while (at < table.Count() && table.At(at).path != wanted.path)
            ++at;
        table.Modify(at == table.Count() ? at = table.Append(wanted) : at, wanted);
        EXPECT_TRUE(table.Move(at, i));
    }
    return table;
}

// Every write may fail, or be the program's last. A save one of whose writes fails puts back what
// it overwrote: every slot holds one whole entry, all of them the old table's or all the new one's.
// A save ended anywhere loses no entry that both tables hold (each change here is of one value),
// also where entries trade places, and the next save stores what that load read.
TEST(StoreSave, AFailedWritePutsTheOldTableBackAndACutLosesNoEntryThatBothTablesHold) {
    const Entry a{"a.exe", "a.ico", "-a", "A"}, b{"b.exe", "b.ico", "", "B", true},
        c{"c.exe", "c.ico", "-c", "C", false, smHidden},
        d{"d.exe", "d.ico", "", "D", false, 0, 0, true}, a2{"a.exe", "a.ico", "-a2", "A"},
        c2{"c.exe", "c.ico", "-c", "C2", false, smHidden};
    const std::pair<Entries, Entries> rows[] = {
        {{a, b, c}, {a, c}},   {{a, b, c}, {b, c}}, {{a, b}, {}},           {{a}, {a, b, d}},
        {{a, b, c}, {a2, c2}}, {{a, c}, {c2, d}},   {{a, b, c}, {b, a, c}}, {{a, b, c}, {c, a2, b}},
        {{a, b, c}, {c2, b}},  {{a, b}, {d, b, a}}};
    for (const auto& [before, after] : rows)
        for (int run = 0;; ++run) {
            const bool killed = run % 2;
            MemoryRegistry registry;
            SettingsStore store(registry);
            registry.PutString(EntryKey(20), "Path", "x"); // no entry key: not the store's
            store.Save({}, TableOf(before));
            registry.writesLeft = run / 2;
            registry.failOnce = !killed;
            const WriteFailure failure = store.Save({}, Edited(before, after));
            const Entries loaded = StoredEntries(registry);
            SCOPED_TRACE(std::to_string(run / 2) + (killed ? " writes, then killed" : "th failed"));
            if (!killed) {
                EXPECT_TRUE(loaded == before || loaded == after);
                EXPECT_EQ(failure.has_value(), loaded != after) << "told when it did not land";
                continue;
            }
            for (const Entry& now : after)
                for (const Entry& then : before)
                    EXPECT_TRUE(now.path != then.path || std::ranges::count(loaded, then) ||
                                std::ranges::count(loaded, now))
                        << now.path << " lost";
            if (registry.writesLeft > 0) { // the whole save went through
                EXPECT_EQ(loaded, after);
                EXPECT_TRUE(!registry.Exists(EntryKey(int(after.size()))) &&
                            registry.Exists(EntryKey(20)) &&
                            !registry.Exists(kSettings + "\\Moving Entry"));
                break;
            }
            registry.writesLeft = INT_MAX;
            EntryTable reloaded = TableOf(loaded);
            reloaded.MarkStored();
            store.Save({}, reloaded);
            EXPECT_EQ(StoredEntries(registry), loaded);
        }
}

const std::string kKey = "SOFTWARE\\Test";

TEST(SettingsKey, OpensBelowItsParentClosesItsHandleAndStopsAtItsFirstFailedWrite) {
    MemoryRegistry registry;
    const RegKey root = registry.CurrentUser();
    registry.Lock(kKey + "\\Locked");
    {
        const SettingsKey missing = SettingsKey::OpenForReading(registry, root, "Missing");
        EXPECT_FALSE(missing.IsOpen() || registry.Exists("Missing")) << "opened, never created";
        EXPECT_EQ(
            std::make_tuple(missing.Text("n", "-"), missing.Number("n"), missing.HasValue("n")),
            std::make_tuple("-", std::nullopt, true))
            << "a key not open cannot tell a value is not there";
        SettingsKey child = SettingsKey::OpenForWriting(registry, root, kKey + "\\Child");
        EXPECT_TRUE(child.SetNumber("n", 7) && child.HasValue("n") && !child.HasValue("m"));
        registry.failingWrites = {"Path"};
        EXPECT_FALSE(child.SetText("Path", "x") || child.SetNumber("after", 1));
        EXPECT_EQ(child.WriteFailure(), "Failed to set data for 'Path'");
        SettingsKey locked = SettingsKey::OpenForWriting(registry, root, kKey + "\\Locked");
        EXPECT_FALSE(locked.IsOpen() || locked.SetNumber("n", 1));
        EXPECT_EQ(locked.WriteFailure(), "Failed to set data for 'n'");
        EXPECT_TRUE(SettingsKey::Exists(registry, root, kKey + "\\Locked") &&
                    !SettingsKey::Exists(registry, root, "Child"));
        EXPECT_EQ(registry.openHandles(), 1) << "the child's alone";
    }
    EXPECT_EQ(registry.openHandles(), 0);
    EXPECT_EQ(std::make_tuple(registry.Dword(kKey + "\\Child", "n"),
                              registry.Get(kKey + "\\Child", "after")),
              std::make_tuple(7u, nullptr));
}

TEST(SettingsKey, ValuesAreReadAndWrittenAsTheSystemKeepsThem) {
    const auto shown = [](std::optional<std::int32_t> n) {
        return n ? std::to_string(*n) : "-";
    };
    for (const DataRow& r : DataRows("registry_values.tsv")) {
        MemoryRegistry registry;
        SettingsKey key = SettingsKey::OpenForWriting(registry, registry.CurrentUser(), kKey);
        const RegType type = static_cast<RegType>(std::stoi(r[1]));
        const std::vector<std::uint8_t> bytes(r[2].begin(), r[2].end());
        if (type != RegType::None)
            registry.Put(kKey, "v", type, bytes);
        EXPECT_EQ(std::make_tuple(key.Text("v", "-"), shown(key.Number("v"))),
                  std::make_tuple(r[3], r[4]))
            << r[2];
        if (r[0] == "written") {
            type == RegType::Sz ? key.SetText("w", r[3]) : key.SetNumber("w", std::stoi(r[4]));
            EXPECT_EQ(std::tie(registry.Get(kKey, "w")->type, registry.Get(kKey, "w")->data),
                      std::tie(type, bytes))
                << r[2];
        }
    }
    MemoryRegistry registry;
    SettingsKey key = SettingsKey::OpenForWriting(registry, registry.CurrentUser(), kKey);
    key.SetFlag("yes", true);
    key.SetFlag("no", false);
    registry.PutDword(kKey, "two", 2);
    EXPECT_EQ(std::make_tuple(registry.Dword(kKey, "yes"), registry.Dword(kKey, "no"),
                              key.Flag("two", false), key.Flag("no", true), key.Flag("none", true),
                              key.Number("none", 5)),
              std::make_tuple(1u, 0u, true, false, true, 5));
}

} // namespace
} // namespace corvane::testing
