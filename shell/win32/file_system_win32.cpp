#include "shell/win32/file_system_win32.h"

#include "core/win32/wide.h"

#include <windows.h>

#include <algorithm>

namespace corvane::win32 {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

} // namespace

bool Win32FileSystem::IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::vector<std::uint8_t>> Win32FileSystem::ReadFile(const std::string& path,
                                                                   std::size_t maxBytes) {
    const FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[4096];
    while (bytes.size() < maxBytes) {
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof chunk, maxBytes - bytes.size()));
        DWORD got = 0;
        if (!::ReadFile(file.get(), chunk, wanted, &got, nullptr))
            return std::nullopt;
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < wanted)
            break;
    }
    return bytes;
}

bool Win32FileSystem::WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file.valid() &&
           ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) &&
           written == bytes.size();
}

} // namespace corvane::win32
