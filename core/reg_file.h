#pragma once
// Registry files (.reg) as the system's "reg export" writes them and its
// "reg import" reads them: the key tree of an in-memory registry out as
// text, and the text back in as keys and values.
#include "core/memory_registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

inline constexpr const char* kRegFileHeader = "Windows Registry Editor Version 5.00";
inline constexpr const char* kRegFileHeader4 = "REGEDIT4";
inline constexpr const char* kCurrentUserName = "HKEY_CURRENT_USER";
// The largest file read: more than a full store takes with every text at its
// longest and in hex (about 9 MB).
inline constexpr std::size_t kRegFileMaxBytes = 1u << 24;
// The most data one value may hold: the longest text a value holds (32767
// UTF-16 units) with its terminating zero.
inline constexpr std::size_t kRegValueMaxBytes = 65536;

// The key at path (below HKEY_CURRENT_USER) and every key below it, in
// UTF-8 with CRLF line ends: the header, then each key as "[HKEY_CURRENT_USER
// \path]" and its values, each block after a blank line; a text that holds a
// control character is written as hex(1), as any value but a text or a dword
// is in hex; hex data wraps before the 80th column.
std::string RegFileText(const MemoryRegistry& registry, const std::string& path);
// The text as UTF-16LE after its byte-order mark.
std::vector<std::uint8_t> RegFileBytes(const std::string& text);

// One key or one value of a file, with the line it starts on. Text values
// hold UTF-8, as the registry calls take them.
struct RegFileItem {
    int line = 0;
    bool isKey = false;
    std::string key; // the whole name, "HKEY_CURRENT_USER\..."
    std::string name;
    RegType type = RegType::None;
    std::vector<std::uint8_t> data;
};

// What a file holds, or the first line that is wrong and why.
struct RegFileRead {
    std::vector<RegFileItem> items;
    int errorLine = 0; // 0: read whole
    std::string error;
};

// A UTF-16LE file with its byte-order mark and the version 5 header, or an
// 8-bit file with the REGEDIT4 header whose text is UTF-8, its texts in hex
// (hex(1), hex(2), hex(7)) too. Keys that are
// removed ("[-...]") and values that are removed ("=-") are refused.
RegFileRead ReadRegFile(const std::vector<std::uint8_t>& bytes);

} // namespace corvane
