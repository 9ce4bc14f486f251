#pragma once
// What must hold for any bytes given to the shortcut reader. Used by the
// fuzzer and by the native suite on the hand-made hostile files.
#include <cstdint>
#include <span>
#include <string>

namespace corvane::fuzz {

// Reads the bytes as a shortcut file (the format reader on its own, and the
// portable loader over a one-file file system) and returns a description of
// the first broken rule, or an empty text when every rule holds. Memory
// faults are left for the sanitizers to find.
std::string CheckShortcutBytes(std::span<const std::uint8_t> bytes);

} // namespace corvane::fuzz
