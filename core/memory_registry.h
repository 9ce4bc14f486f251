#pragma once
// A registry in memory that answers the program's calls as the system's does:
// names compared without case and kept as first written, values in the order
// they were first set, subkeys in name order. The store is saved into one to
// be exported and loaded from one that an import filled.
#include "core/registry_api.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace corvane {

struct NamedValue {
    std::string name;
    RegValue value;
};

class MemoryRegistry : public RegistryApi {
public:
    RegKey CurrentUser() const override;
    std::optional<RegKey> CreateKey(RegKey parent, const std::string& path) override;
    OpenedKey OpenKey(RegKey parent, const std::string& path) override;
    void CloseKey(RegKey key) override;
    RegValue QueryValue(RegKey key, const std::string& name) override;
    bool SetValue(RegKey key, const std::string& name, RegType type,
                  const std::vector<std::uint8_t>& data) override;
    bool DeleteKey(RegKey parent, const std::string& path) override;

    // By path below HKEY_CURRENT_USER ("A\B\C"). Put creates the key and
    // every key above it.
    bool Exists(const std::string& path) const;
    void Put(const std::string& path, const std::string& name, RegType type,
             std::vector<std::uint8_t> data);
    const RegValue* Get(const std::string& path, const std::string& name) const;
    // The key's name as first written, its values, and its subkeys' names.
    std::string NameOf(const std::string& path) const;
    const std::vector<NamedValue>& Values(const std::string& path) const;
    std::vector<std::string> Subkeys(const std::string& path) const;
    int OpenHandles() const { return static_cast<int>(handles_.size()); }

protected:
    // The key a handle stands for, or nullptr; the root stands for "".
    const std::string* KeyOf(RegKey key) const;
    // The path as a key of keys_: lower case, no empty parts, below under.
    static std::string Fold(const std::string& path, const std::string& under = {});
    // Opened for reading only: writes through it are refused.
    bool ReadOnly(RegKey key) const { return readOnly_.count(RawOf(key)) != 0; }

private:
    struct Key {
        std::string name; // the whole path as first written
        std::vector<NamedValue> values;
    };
    Key& Create(const std::string& folded, const std::string& written);
    OpenedKey Open(RegKey parent, const std::string& path, bool create);

    std::map<std::string, Key> keys_{{"", {}}};
    std::map<std::uintptr_t, std::string> handles_;
    std::set<std::uintptr_t> readOnly_;
    std::uintptr_t nextHandle_ = 0x100;
};

} // namespace corvane
