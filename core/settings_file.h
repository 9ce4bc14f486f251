#pragma once
// The settings as a file beside the program (Corvane.ini), which makes a copy
// portable: UTF-8 text, one section per key of the store, named as the key is
// below HKEY_CURRENT_USER ("[SOFTWARE\Quennard\Corvane\3.0]", "[...\Tool Box
// Icon  0]"), and one "name=value" line per value, named as in the registry.
#include "core/memory_registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

inline constexpr const char* kSettingsFileName = "Corvane.ini";

// The key at path (below HKEY_CURRENT_USER) and every key below it as the
// file's bytes.
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
// whole by the rules an import of settings follows.
SettingsFileRead ReadSettingsFile(const std::vector<std::uint8_t>& bytes, MemoryRegistry& into);

} // namespace corvane
