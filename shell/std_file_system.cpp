#include "shell/std_file_system.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace corvane {

bool StdFileSystem::IsFile(const std::string& path) {
    if (path.empty())
        return false;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

std::optional<std::vector<std::uint8_t>> StdFileSystem::ReadFile(const std::string& path,
                                                                 std::size_t maxBytes) {
    if (!IsFile(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    char chunk[4096];
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof chunk, maxBytes - bytes.size());
        in.read(chunk, static_cast<std::streamsize>(wanted));
        const std::streamsize got = in.gcount();
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (static_cast<std::size_t>(got) < wanted)
            break;
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool StdFileSystem::WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out.good();
}

} // namespace corvane
