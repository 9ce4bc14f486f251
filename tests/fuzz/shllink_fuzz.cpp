// libFuzzer entry for the shortcut reader: any broken rule is a crash.
#include "tests/fuzz/shllink_check.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken = corvane::fuzz::CheckShortcutBytes({data, size});
    if (!broken.empty()) {
        std::fprintf(stderr, "shortcut reader rule broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
