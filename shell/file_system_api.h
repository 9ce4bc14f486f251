#pragma once
// The little the shortcut reader needs from the file system.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

class FileSystemApi {
public:
    virtual ~FileSystemApi() = default;

    // Whether path names an existing file that is not a folder.
    virtual bool IsFile(const std::string& path) = 0;

    // The first maxBytes bytes of a file (all of a smaller one); nothing when
    // it cannot be opened or read.
    virtual std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                              std::size_t maxBytes) = 0;
    // Creates or replaces the file with bytes. True when all were written.
    virtual bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
};

} // namespace corvane
