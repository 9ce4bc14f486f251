#pragma once
// What must hold for any bytes given to the shortcut reader, for the fuzzer and the native suite.
#include <cstdint>
#include <span>
#include <string>

namespace corvane::fuzz {

// Reads the bytes as a shortcut file (the format reader on its own, and the portable loader over a
// one-file file system); the first rule broken, or an empty text. Memory faults are left for the
// sanitizers to find.
std::string CheckShortcutBytes(std::span<const std::uint8_t> bytes);

} // namespace corvane::fuzz
