// Writes the hand-made seeds of the shortcut reader's fuzzer into a folder.
#include "tests/fuzz/hostile_seeds.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    int written = 0;
    for (const corvane::fuzz::Seed& seed : corvane::fuzz::HostileSeeds()) {
        std::ofstream out(folder / (seed.name + ".lnk"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(seed.bytes.data()),
                  static_cast<std::streamsize>(seed.bytes.size()));
        if (!out)
            return 1;
        ++written;
    }
    std::printf("%d seeds in %s\n", written, folder.string().c_str());
    return 0;
}
