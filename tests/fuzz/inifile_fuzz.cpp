// libFuzzer entry for Corvane.ini's reader: a file taken is written back and read again as it was,
// and a refusal names a line of the file; any broken rule is a crash.
#include "core/settings_file.h"
#include "core/store_layout.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    const std::vector<std::uint8_t> bytes(data, data + size);
    MemoryRegistry first, second;
    const SettingsFileRead read = ReadSettingsFile(bytes, first);
    const std::string& refusal = read.refusal;
    const long line = refusal.rfind("Line ", 0) == 0 ? std::atol(refusal.c_str() + 5) : 0;
    const bool named = line >= 1 && line <= 1 + std::count(bytes.begin(), bytes.end(), '\n');
    std::string broken;
    if (!named && !refusal.empty() && refusal.rfind("The file holds no [", 0) != 0)
        broken = "the refusal names no line of the file: " + refusal;
    if (refusal.empty() && !read.empty) {
        const std::vector<std::uint8_t> written = SettingsFileBytes(first, SettingsPath());
        const bool refused = !ReadSettingsFile(written, second).refusal.empty();
        const StoreContents before = SettingsStore(first).Load(),
                            after = SettingsStore(second).Load();
        if (refused || after.entries != before.entries || !(after.options == before.options) ||
            after.hotKey != before.hotKey || SettingsFileBytes(second, SettingsPath()) != written)
            broken = "a file taken reads otherwise once written back";
    }
    if (!broken.empty())
        std::fprintf(stderr, "settings file rule broken: %s\n", broken.c_str()), std::abort();
    return 0;
}
