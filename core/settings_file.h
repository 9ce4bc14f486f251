#pragma once
// The settings as a file beside the program (Corvane.ini), which makes a copy
// portable: UTF-8 text, one section per key of the store, named as the key is
// below HKEY_CURRENT_USER ("[SOFTWARE\Quennard\Corvane\3.0]", "[...\Tool Box
// Icon  0]"), and one "name=value" line per value, named as in the registry.
// A number (a dword) is written in decimal, a text as it is: in double quotes
// when it begins or ends with a blank or begins with a double quote, and with
// a blank for each line break it holds (no line of the file can hold one).
// Which values are numbers is the store's rule; any other value is a text.
#include "core/memory_registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

inline constexpr const char* kSettingsFileName = "Corvane.ini";

// The key at path (below HKEY_CURRENT_USER) and every key below it as the
// file's bytes: CRLF line ends, no byte-order mark, a blank line between
// sections.
std::vector<std::uint8_t> SettingsFileBytes(const MemoryRegistry& registry,
                                            const std::string& path);

// What a read of the file found.
struct SettingsFileRead {
    // Nothing but blanks, line ends and comments: no settings yet.
    bool empty = false;
    // Why the file is refused ("Line N: ...", or what it lacks), or empty
    // when its keys and values are in the registry it was read into.
    std::string refusal;
};

// The file's keys and values into `into` (below HKEY_CURRENT_USER), refused
// whole by the rules an import of settings follows; a refused or empty file
// leaves `into` as it was. Lines end in CRLF or LF, a UTF-8 byte-order mark
// may lead; blanks around a line and around a value's name and data are
// ignored, and a value in double quotes is read without them. Blank lines and
// lines that start with ';' or '#' are skipped.
SettingsFileRead ReadSettingsFile(const std::vector<std::uint8_t>& bytes, MemoryRegistry& into);

} // namespace corvane
