#pragma once
// FileSystemApi over the standard library, for builds without the Win32 layer.
#include "shell/file_system_api.h"

namespace corvane {

class StdFileSystem : public FileSystemApi {
public:
    bool IsFile(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) override;
    bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
};

} // namespace corvane
