#pragma once
// The registry calls the program makes, one to one with the Win32 functions.
// The Win32 layer talks to the real registry; tests use an in-memory one.
#include "core/handles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

enum class RegType : std::uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    Dword = 4,
    MultiSz = 7,
};

// The types whose data is text: UTF-16 in the registry, UTF-8 in the program.
constexpr bool HoldsText(RegType type) {
    return type == RegType::Sz || type == RegType::ExpandSz || type == RegType::MultiSz;
}

struct RegValue {
    enum class Status { Ok, NotFound, Failed };
    Status status = Status::NotFound;
    RegType type = RegType::None;
    std::vector<std::uint8_t> data;
};

// A key opened for reading, or why it was not.
struct OpenedKey {
    enum class Status { Ok, NotFound, Failed };
    Status status = Status::NotFound;
    RegKey key = RegKey::None;
};

class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    // HKEY_CURRENT_USER.
    virtual RegKey CurrentUser() const = 0;
    // RegCreateKeyExW, non-volatile, KEY_ALL_ACCESS: opens or creates.
    virtual std::optional<RegKey> CreateKey(RegKey parent, const std::string& path) = 0;
    // RegOpenKeyExW for reading; never creates. NotFound only when the key
    // does not exist; Failed when it exists but cannot be opened.
    virtual OpenedKey OpenKey(RegKey parent, const std::string& path) = 0;
    virtual void CloseKey(RegKey key) = 0;
    // RegQueryValueExW: the type and the whole data of a value.
    virtual RegValue QueryValue(RegKey key, const std::string& name) = 0;
    // RegSetValueExW; text crosses as UTF-8. True on success.
    virtual bool SetValue(RegKey key, const std::string& name, RegType type,
                          const std::vector<std::uint8_t>& data) = 0;
    // RegDeleteKeyW: removes a key that has no subkeys. True on success.
    virtual bool DeleteKey(RegKey parent, const std::string& path) = 0;
    // RegFlushKey's place: the writes so far made lasting, or why they could
    // not be. The registry keeps each write as it lands: nothing to do. A
    // store kept whole elsewhere (a settings file) is written here.
    virtual std::optional<std::string> Flush() { return std::nullopt; }
};

} // namespace corvane
