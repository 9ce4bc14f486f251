#pragma once
// The store as a registry file that the system's "reg import" takes, and such
// a file read back as options and entries, refused whole when anything in it
// is not what a store holds.
#include "core/entry.h"
#include "core/entry_rule.h"
#include "core/settings_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

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

// What the user is asked before an import replaces the table: each entry's
// description, how it starts (Auto Start, a start mode other than Normal, Run
// as administrator), its path and parameters, then the options. Control
// characters show as escapes (\n, \t, \x1B), a backslash that would read as
// one doubled; the middle of a long text is left out, and said so.
std::string ImportQuestion(const StoreContents& contents);

} // namespace corvane
