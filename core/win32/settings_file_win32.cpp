#include "core/win32/settings_file_win32.h"

#include "core/reg_file.h"
#include "core/text.h"
#include "core/win32/unique_handle.h"
#include "core/win32/wide.h"

#include <windows.h>

namespace corvane::win32 {
namespace {

struct FileTraits {
    using handle_type = HANDLE;
    static void Close(HANDLE file) { CloseHandle(file); }
};
using FileHandle = UniqueHandle<FileTraits>;

FileHandle OpenFile(const std::string& path, DWORD access, DWORD creation, DWORD flags = 0) {
    HANDLE file = CreateFileW(Wide(path).c_str(), access, FILE_SHARE_READ, nullptr, creation,
                              FILE_ATTRIBUTE_NORMAL | flags, nullptr);
    return FileHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// Where a save writes before the file is replaced.
std::string NewFilePath(const std::string& path) {
    return path + ".new";
}

bool WriteAll(HANDLE file, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

FileContents Win32SettingsFile::Read() {
    const FileHandle file = OpenFile(path_, GENERIC_READ, OPEN_EXISTING);
    if (!file) {
        const DWORD error = GetLastError();
        return {error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                    ? FileContents::Status::NotFound
                    : FileContents::Status::Failed,
                {}};
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return {FileContents::Status::Failed, {}};
    // One byte past the most the reader takes is enough to refuse a larger file.
    const auto wanted =
        std::min<ULONGLONG>(static_cast<ULONGLONG>(size.QuadPart), kRegFileMaxBytes + 1);
    FileContents contents{FileContents::Status::Ok, std::vector<std::uint8_t>(wanted)};
    DWORD read = 0;
    if (!ReadFile(file.get(), contents.bytes.data(), static_cast<DWORD>(wanted), &read, nullptr))
        return {FileContents::Status::Failed, {}};
    contents.bytes.resize(read);
    return contents;
}

bool Win32SettingsFile::Writable() {
    const DWORD attributes = GetFileAttributesW(Wide(path_).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    // A file made in the folder, gone again when closed.
    return static_cast<bool>(
        OpenFile(NewFilePath(path_), GENERIC_WRITE, CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE));
}

bool Win32SettingsFile::Replace(const std::vector<std::uint8_t>& bytes) {
    const std::string fresh = NewFilePath(path_);
    bool written = false;
    if (const FileHandle file = OpenFile(fresh, GENERIC_WRITE, CREATE_ALWAYS))
        written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
    if (written && MoveFileExW(Wide(fresh).c_str(), Wide(path_).c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(Wide(fresh).c_str());
    return false;
}

std::string Win32SettingsFile::KeepAside() {
    const std::string folder = FolderPart(path_);
    std::string stem = FileNamePart(path_);
    std::string extension;
    if (const std::size_t dot = stem.rfind('.'); dot != std::string::npos) {
        extension = stem.substr(dot);
        stem.resize(dot);
    }
    for (int number = 1; number < 100; ++number) {
        const std::string aside = folder + stem + " (unreadable" +
                                  (number > 1 ? " " + std::to_string(number) : "") + ")" +
                                  extension;
        if (MoveFileExW(Wide(path_).c_str(), Wide(aside).c_str(), MOVEFILE_WRITE_THROUGH))
            return aside;
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS)
            return {};
    }
    return {};
}

} // namespace corvane::win32
