#pragma once
// The settings file on the disk, at a path given (beside the program, in the
// program). A save writes a new file beside it and moves it over the old one.
#include "core/settings_file_api.h"

#include <string>

namespace corvane::win32 {

class Win32SettingsFile : public SettingsFileApi {
public:
    explicit Win32SettingsFile(std::string path) : path_(std::move(path)) {}

    FileContents Read() override;
    std::string Path() const override { return path_; }
    bool Writable() override;
    bool Replace(const std::vector<std::uint8_t>& bytes) override;
    std::string KeepAside() override;

private:
    std::string path_;
};

} // namespace corvane::win32
