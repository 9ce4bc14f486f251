#pragma once
// The registry accessor: one current key, typed reads and writes with the
// store's rules, failures as ERegistryException.
#include "core/registry_api.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace corvane {

class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Failed to get data for '<name>'": what a read of name that failed reports.
std::string ReadFailureMessage(const std::string& name);

class RegistryAccessor {
public:
    explicit RegistryAccessor(RegistryApi& api);
    ~RegistryAccessor();
    RegistryAccessor(const RegistryAccessor&) = delete;
    RegistryAccessor& operator=(const RegistryAccessor&) = delete;

    // A path beginning with a backslash starts at the root key, any other at
    // the current key. Opens or creates; on success the key becomes current.
    // On failure no key is current: reads fail and so do writes, which thus
    // never land in a key they were not meant for.
    bool OpenKey(const std::string& path, bool create);

    // Whether a key exists, opened or not, without creating it or changing
    // the current key.
    bool KeyExists(const std::string& path);

    // Removes a key that has no subkeys. True when it was there and is gone.
    bool DeleteKey(const std::string& path);

    // Whether the current key holds a value of that name, of any type.
    bool ValueExists(const std::string& name);

    std::string ReadString(const std::string& name);
    std::int32_t ReadInteger(const std::string& name);
    bool ReadBool(const std::string& name);

    void WriteString(const std::string& name, const std::string& text);
    void WriteInteger(const std::string& name, std::int32_t number);
    void WriteBool(const std::string& name, bool flag);

private:
    RegKey BaseFor(const std::string& path, std::string& relative) const;
    RegValue Query(const std::string& name);

    RegistryApi& api_;
    RegKey current_ = RegKey::None;
};

} // namespace corvane
