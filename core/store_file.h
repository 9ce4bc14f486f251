#pragma once
// The store as a registry file that the system's "reg import" takes, and such
// a file read back as options and entries, refused whole when anything in it
// is not what a store holds.
#include "core/entry.h"
#include "core/entry_rule.h"
#include "core/reg_file.h"
#include "core/settings_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// What a save writes, and "SmallIcons" and "Hot Key" (stored as they change),
// into a registry in memory: the table's entries all, none of them stored yet.
void WriteWholeStore(MemoryRegistry& memory, const Options& options, std::uint16_t hotKey,
                     const EntryTable& fresh);

// What a save writes (and "SmallIcons" and "Hot Key", stored as they change),
// as the bytes of a .reg file.
std::vector<std::uint8_t> ExportStore(const Options& options, std::uint16_t hotKey,
                                      const EntryTable& table);

// The options, hot key and entries a file holds, as a load reads them from a
// registry that holds the file's keys, or why it is refused: "Line N: ..."
// (or, when no one line is wrong, what the file lacks).
struct StoreImport {
    std::optional<StoreContents> contents;
    std::string refusal;
};
StoreImport ImportStore(const std::vector<std::uint8_t>& bytes);

// The rules every file of settings follows, whatever its form: the keys and
// values read from it into memory (which holds nothing yet), and what a load
// reads of them, or why they are refused. Only Corvane's settings key and its
// entry keys, up to the count and one after another; only values a store
// holds, each of its type, with texts the entry rule takes; no more than 20
// entries.
StoreImport TakeSettings(const std::vector<RegFileItem>& items, MemoryRegistry& memory);

// Whether the store holds the named value as a number (a dword); a name it
// does not know is a text.
bool IsSettingsNumber(const std::string& name);

// What the user is asked before an import replaces the table: each entry's
// description, how it starts (Auto Start, a start mode other than Normal, Run
// as administrator), its path and parameters, then the options. Control
// characters show as escapes (\n, \t, \x1B), a backslash that would read as
// one doubled; the middle of a long text is left out, and said so.
std::string ImportQuestion(const StoreContents& contents);

} // namespace corvane
