#pragma once
// The settings file beside the program, as the portable copy reads and
// writes it. The Win32 layer works on the real file; tests use a double.
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

struct FileContents {
    enum class Status { Ok, NotFound, Failed };
    Status status = Status::NotFound;
    std::vector<std::uint8_t> bytes;
};

class SettingsFileApi {
public:
    virtual ~SettingsFileApi() = default;

    // The file's whole contents; Failed when it is there but cannot be read.
    virtual FileContents Read() = 0;
    // Its full path, as the user is told it.
    virtual std::string Path() const = 0;
    // Whether it can be replaced: its folder takes a new file and the file
    // itself is not read-only.
    virtual bool Writable() = 0;
    // The bytes into a new file beside it, flushed to the disk, which then
    // takes the file's place in one step: a crash leaves the old file or the
    // new one, never a part of one. True on success.
    virtual bool Replace(const std::vector<std::uint8_t>& bytes) = 0;
    // The file renamed, untouched, to a name beside it that is not in use:
    // that name's full path, or empty when it could not be renamed.
    virtual std::string KeepAside() = 0;
};

} // namespace corvane
