#pragma once
// FileSystemApi on the Win32 file calls (ANSI names).
#include "shell/file_system_api.h"

namespace corvane::win32 {

class Win32FileSystem : public FileSystemApi {
public:
    // GetFileAttributesA: there, and not a folder.
    bool IsFile(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) override;
    // CreateFileW, replacing a file that is there.
    bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
};

} // namespace corvane::win32
