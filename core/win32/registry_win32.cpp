#include "core/win32/registry_win32.h"

#include "core/win32/handle_refs.h"

namespace corvane::win32 {

static_assert(static_cast<DWORD>(RegType::None) == REG_NONE);
static_assert(static_cast<DWORD>(RegType::Sz) == REG_SZ);
static_assert(static_cast<DWORD>(RegType::ExpandSz) == REG_EXPAND_SZ);
static_assert(static_cast<DWORD>(RegType::Binary) == REG_BINARY);
static_assert(static_cast<DWORD>(RegType::Dword) == REG_DWORD);
static_assert(static_cast<DWORD>(RegType::MultiSz) == REG_MULTI_SZ);

RegKey Win32Registry::CurrentUser() const {
    return ToRef<RegKey>(HKEY_CURRENT_USER);
}

std::optional<RegKey> Win32Registry::CreateKey(RegKey parent, const std::string& path) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(FromRef<HKEY>(parent), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return std::nullopt;
    return ToRef<RegKey>(key);
}

OpenedKey Win32Registry::OpenKey(RegKey parent, const std::string& path) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(FromRef<HKEY>(parent), path.c_str(), 0, KEY_READ, &key);
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
    RegValue value;
    DWORD type = 0;
    DWORD size = 0;
    LONG status =
        RegQueryValueExA(FromRef<HKEY>(key), name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND)
        return value;
    // The value may grow between the two calls; ask again until it fits.
    for (int attempt = 0; status == ERROR_SUCCESS || status == ERROR_MORE_DATA; ++attempt) {
        value.data.resize(size);
        status = RegQueryValueExA(FromRef<HKEY>(key), name.c_str(), nullptr, &type,
                                  value.data.empty() ? nullptr : value.data.data(), &size);
        if (status == ERROR_SUCCESS) {
            value.data.resize(size);
            value.status = RegValue::Status::Ok;
            value.type = static_cast<RegType>(type);
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
    // For text, RegSetValueExA looks at the byte after the data and, when it
    // is zero, stores a terminating zero the caller left out. Handing it the
    // bare data would make the stored size depend on whatever follows it in
    // memory, and the look is a read past the data. So text goes in a buffer
    // followed by a nonzero byte: exactly the given bytes are stored.
    const bool text = type == RegType::Sz || type == RegType::ExpandSz || type == RegType::MultiSz;
    std::vector<std::uint8_t> buffer(data);
    if (text)
        buffer.push_back(1);
    return RegSetValueExA(FromRef<HKEY>(key), name.c_str(), 0, static_cast<DWORD>(type),
                          buffer.empty() ? nullptr : buffer.data(),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegKey parent, const std::string& path) {
    return RegDeleteKeyA(FromRef<HKEY>(parent), path.c_str()) == ERROR_SUCCESS;
}

} // namespace corvane::win32
