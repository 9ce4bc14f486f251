#pragma once
// Hand-made shortcut files, sound and hostile, to seed the fuzzer and to run
// through the reader's rules in the native suite.
#include "tests/native/lnk_builder.h"

#include <string>
#include <vector>

namespace corvane::fuzz {

struct Seed {
    std::string name;
    testing::Bytes bytes;
};

// A full shortcut with every part, and variants of it whose sizes, offsets
// and counts are 0, 1, 3, past the end or 0xFFFFFFFF; string counts from
// 0x7FFF to 0xFFFF; extra data blocks of size 0 to 7; texts and lists that
// lack their terminator; and the full file cut at each part's edges.
std::vector<Seed> HostileSeeds();

} // namespace corvane::fuzz
