#include "core/win32/registry_win32.h"

#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"


namespace corvane::win32 {

static_assert(static_cast<DWORD>(RegType::None) == REG_NONE);
static_assert(static_cast<DWORD>(RegType::Sz) == REG_SZ);
static_assert(static_cast<DWORD>(RegType::ExpandSz) == REG_EXPAND_SZ);
static_assert(static_cast<DWORD>(RegType::Binary) == REG_BINARY);
static_assert(static_cast<DWORD>(RegType::Dword) == REG_DWORD);
static_assert(static_cast<DWORD>(RegType::MultiSz) == REG_MULTI_SZ);

namespace {

// A text value's stored UTF-16 units as the program's UTF-8, every zero kept.
std::vector<std::uint8_t> Utf8Bytes(const std::vector<std::uint8_t>& stored) {
    const std::string text = Utf16LeBytesToUtf8(stored);
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> Utf16Bytes(const std::vector<std::uint8_t>& data) {
    return Utf8ToUtf16LeBytes({reinterpret_cast<const char*>(data.data()), data.size()});
}

} // namespace

RegKey Win32Registry::CurrentUser() const {
    return ToRef<RegKey>(HKEY_CURRENT_USER);
}

std::optional<RegKey> Win32Registry::CreateKey(RegKey parent, const std::string& path) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(FromRef<HKEY>(parent), Wide(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        &disposition) != ERROR_SUCCESS)
        return std::nullopt;
    return ToRef<RegKey>(key);
}

OpenedKey Win32Registry::OpenKey(RegKey parent, const std::string& path) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExW(FromRef<HKEY>(parent), Wide(path).c_str(), 0, KEY_READ, &key);
    if (status == ERROR_SUCCESS)
        return {OpenedKey::Status::Ok, ToRef<RegKey>(key)};
    return {status == ERROR_FILE_NOT_FOUND ? OpenedKey::Status::NotFound
                                           : OpenedKey::Status::Failed,
            RegKey::None};
}

void Win32Registry::CloseKey(RegKey key) {
    RegCloseKey(FromRef<HKEY>(key));
}

RegValue Win32Registry::QueryValue(RegKey key, const std::string& name) {
    const std::wstring wideName = Wide(name);
    RegValue value;
    DWORD type = 0;
    DWORD size = 0;
    LONG status =
        RegQueryValueExW(FromRef<HKEY>(key), wideName.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND)
        return value;
    // The value may grow between the two calls; ask again until it fits.
    for (int attempt = 0; status == ERROR_SUCCESS || status == ERROR_MORE_DATA; ++attempt) {
        value.data.resize(size);
        status = RegQueryValueExW(FromRef<HKEY>(key), wideName.c_str(), nullptr, &type,
                                  value.data.empty() ? nullptr : value.data.data(), &size);
        if (status == ERROR_SUCCESS) {
            value.data.resize(size);
            value.status = RegValue::Status::Ok;
            value.type = static_cast<RegType>(type);
            if (HoldsText(value.type))
                value.data = Utf8Bytes(value.data);
            return value;
        }
        if (attempt == 3)
            break;
    }
    value.status =
        status == ERROR_FILE_NOT_FOUND ? RegValue::Status::NotFound : RegValue::Status::Failed;
    value.data.clear();
    return value;
}

bool Win32Registry::SetValue(RegKey key, const std::string& name, RegType type,
                             const std::vector<std::uint8_t>& data) {
    // Text is stored as UTF-16, unit for unit, zeros and a missing terminator
    // as given. It goes in a buffer followed by a nonzero unit, so that no
    // version of the system that looks past the data for a terminator finds
    // one and stores more than was given.
    std::vector<std::uint8_t> buffer = HoldsText(type) ? Utf16Bytes(data) : data;
    const auto size = static_cast<DWORD>(buffer.size());
    if (HoldsText(type))
        buffer.insert(buffer.end(), {1, 0});
    return RegSetValueExW(FromRef<HKEY>(key), Wide(name).c_str(), 0, static_cast<DWORD>(type),
                          buffer.empty() ? nullptr : buffer.data(), size) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegKey parent, const std::string& path) {
    return RegDeleteKeyW(FromRef<HKEY>(parent), Wide(path).c_str()) == ERROR_SUCCESS;
}

} // namespace corvane::win32
