#include "core/win32/registry_win32.h"

#include <windows.h>

namespace corvane::win32 {
namespace {

HKEY ToHkey(RegKey key) {
    return reinterpret_cast<HKEY>(RawOf(key));
}
RegKey FromHkey(HKEY key) {
    return RefOf<RegKey>(reinterpret_cast<std::uintptr_t>(key));
}

} // namespace

RegKey Win32Registry::CurrentUser() const {
    return FromHkey(HKEY_CURRENT_USER);
}

std::optional<RegKey> Win32Registry::CreateKey(RegKey parent, const std::string& path) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(ToHkey(parent), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return std::nullopt;
    return FromHkey(key);
}

std::optional<RegKey> Win32Registry::OpenKey(RegKey parent, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(ToHkey(parent), path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    return FromHkey(key);
}

void Win32Registry::CloseKey(RegKey key) {
    RegCloseKey(ToHkey(key));
}

RegValue Win32Registry::QueryValue(RegKey key, const std::string& name) {
    RegValue value;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND)
        return value;
    // The value may grow between the two calls; ask again until it fits.
    for (int attempt = 0; status == ERROR_SUCCESS || status == ERROR_MORE_DATA; ++attempt) {
        value.data.resize(size);
        status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &type,
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
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, static_cast<DWORD>(type),
                          data.empty() ? nullptr : data.data(),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

} // namespace corvane::win32
