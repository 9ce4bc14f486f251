#pragma once
// An in-memory registry with the Win32 registry's behaviour for the calls the
// program makes, and switches to make writes fail.
#include "core/registry_api.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace corvane::testing {

class MemoryRegistry : public RegistryApi {
public:
    struct Key {
        std::map<std::string, RegValue> values; // names compared case-insensitively
        std::map<std::string, std::unique_ptr<Key>> subkeys;
    };

    MemoryRegistry();

    RegKey CurrentUser() const override;
    std::optional<RegKey> CreateKey(RegKey parent, const std::string& path) override {
        return Open(parent, path, true);
    }
    std::optional<RegKey> OpenKey(RegKey parent, const std::string& path) override {
        return Open(parent, path, false);
    }
    void CloseKey(RegKey key) override;
    RegValue QueryValue(RegKey key, const std::string& name) override;
    bool SetValue(RegKey key, const std::string& name, RegType type,
                  const std::vector<std::uint8_t>& data) override;

    // Test-side access by full path below HKEY_CURRENT_USER ("A\B\C").
    bool Exists(const std::string& path) const;
    void Put(const std::string& path, const std::string& name, RegType type,
             std::vector<std::uint8_t> data);
    void PutDword(const std::string& path, const std::string& name, std::uint32_t value);
    void PutString(const std::string& path, const std::string& name, const std::string& text,
                   bool withZero = false);
    const RegValue* Get(const std::string& path, const std::string& name) const;
    std::optional<std::uint32_t> Dword(const std::string& path, const std::string& name) const;
    std::optional<std::string> RawString(const std::string& path, const std::string& name) const;
    std::vector<std::string> SubkeyNames(const std::string& path) const;

    // Every SetValue whose value name is in this set fails.
    std::set<std::string> failingWrites;
    // The order of successful writes, as "name=value".
    std::vector<std::string> writeLog;
    int openHandles() const { return static_cast<int>(handles_.size()); }

private:
    std::optional<RegKey> Open(RegKey parent, const std::string& path, bool create);
    Key* Walk(Key* from, const std::string& path, bool create) const;
    Key* KeyOf(RegKey key) const;

    std::unique_ptr<Key> root_;
    std::map<std::uintptr_t, Key*> handles_;
    std::uintptr_t nextHandle_ = 0x100;
};

} // namespace corvane::testing
