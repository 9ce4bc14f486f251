#pragma once
// An in-memory registry with the Win32 registry's behaviour for the calls the
// program makes (key and value names compared without case), and a switch to
// make writes fail.
#include "core/registry_api.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace corvane::testing {

class MemoryRegistry : public RegistryApi {
public:
    RegKey CurrentUser() const override { return RefOf<RegKey>(kRoot); }
    std::optional<RegKey> CreateKey(RegKey parent, const std::string& path) override {
        return Open(parent, path, true);
    }
    std::optional<RegKey> OpenKey(RegKey parent, const std::string& path) override {
        return Open(parent, path, false);
    }
    void CloseKey(RegKey key) override { handles_.erase(RawOf(key)); }
    RegValue QueryValue(RegKey key, const std::string& name) override;
    bool SetValue(RegKey key, const std::string& name, RegType type,
                  const std::vector<std::uint8_t>& data) override;

    // Test-side access by full path below HKEY_CURRENT_USER ("A\B\C").
    bool Exists(const std::string& path) const { return keys_.count(Key(path)) != 0; }
    void Put(const std::string& path, const std::string& name, RegType type,
             std::vector<std::uint8_t> data);
    void PutDword(const std::string& path, const std::string& name, std::uint32_t value);
    void PutString(const std::string& path, const std::string& name, const std::string& text,
                   bool withZero = false);
    const RegValue* Get(const std::string& path, const std::string& name) const;
    std::optional<std::uint32_t> Dword(const std::string& path, const std::string& name) const;
    std::string Text(const std::string& path, const std::string& name) const;
    int openHandles() const { return static_cast<int>(handles_.size()); }

    // Every SetValue whose value name is in this set fails.
    std::set<std::string> failingWrites;
    // The successful writes in order, as "name=value".
    std::vector<std::string> writeLog;

private:
    static constexpr std::uintptr_t kRoot = 0x80000001u;
    using Values = std::map<std::string, RegValue>;
    // The key's name in keys_: lower case, no empty parts.
    static std::string Key(const std::string& path, const std::string& under = {});
    Values& Create(const std::string& key);
    std::optional<RegKey> Open(RegKey parent, const std::string& path, bool create);
    const std::string* KeyOf(RegKey key) const;

    std::map<std::string, Values> keys_{{"", {}}};
    std::map<std::uintptr_t, std::string> handles_;
    std::uintptr_t nextHandle_ = 0x100;
};

} // namespace corvane::testing
