#pragma once
// An in-memory registry that answers the program's calls as the Win32 one does (names compared
// without case), with switches that make opening a key and writing fail.
#include "core/registry_api.h"

#include <cctype>
#include <climits>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace corvane::testing {

class MemoryRegistry : public RegistryApi {
public:
    RegKey CurrentUser() const override { return RefOf<RegKey>(kRoot); }
    std::optional<RegKey> CreateKey(RegKey parent, const std::string& path) override {
        const OpenedKey opened = Open(parent, path, true);
        return opened.status == OpenedKey::Status::Ok ? std::optional(opened.key) : std::nullopt;
    }
    OpenedKey OpenKey(RegKey parent, const std::string& path) override {
        return Open(parent, path, false);
    }
    void CloseKey(RegKey key) override { handles_.erase(RawOf(key)), readOnly_.erase(RawOf(key)); }
    RegValue QueryValue(RegKey key, const std::string& name) override {
        const std::string* k = KeyOf(key);
        const RegValue* value = k ? Get(*k, name) : nullptr;
        return value ? *value
                     : RegValue{k ? RegValue::Status::NotFound : RegValue::Status::Failed, {}, {}};
    }
    bool SetValue(RegKey key, const std::string& name, RegType type,
                  const std::vector<std::uint8_t>& data) override {
        const std::string* k = KeyOf(key);
        if (Refused() || !k || readOnly_.count(RawOf(key)) || failingWrites.count(name))
            return false;
        Put(*k, name, type, data);
        writeLog.push_back(name + "=" +
                           (type == RegType::Dword ? std::to_string(*Dword(*k, name))
                                                   : std::string(data.begin(), data.end())));
        return true;
    }
    bool DeleteKey(RegKey parent, const std::string& path) override {
        const std::string* base = KeyOf(parent);
        return !Refused() && base && keys_.erase(Key(path, *base));
    }

    // The test's side, by full path below HKEY_CURRENT_USER ("A\B\C").
    bool Exists(const std::string& path) const { return keys_.count(Key(path)) != 0; }
    void Put(const std::string& path, const std::string& name, RegType type,
             std::vector<std::uint8_t> data) {
        Create(Key(path))[Key(name)] = RegValue{RegValue::Status::Ok, type, std::move(data)};
    }
    void PutDword(const std::string& path, const std::string& name, std::uint32_t value) {
        Put(path, name, RegType::Dword,
            {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
             std::uint8_t(value >> 24)});
    }
    void PutString(const std::string& path, const std::string& name, const std::string& text) {
        Put(path, name, RegType::Sz, {text.begin(), text.end()});
    }
    const RegValue* Get(const std::string& path, const std::string& name) const {
        const auto key = keys_.find(Key(path));
        if (key == keys_.end())
            return nullptr;
        const auto value = key->second.find(Key(name));
        return value == key->second.end() ? nullptr : &value->second;
    }
    std::optional<std::uint32_t> Dword(const std::string& path, const std::string& name) const {
        const RegValue* v = Get(path, name);
        if (!v || v->type != RegType::Dword || v->data.size() != 4)
            return std::nullopt;
        return std::uint32_t(v->data[0] | v->data[1] << 8 | v->data[2] << 16 | v->data[3] << 24);
    }
    int openHandles() const { return static_cast<int>(handles_.size()); }
    // The key exists from now on and cannot be opened (access rights).
    void Lock(const std::string& path) { Create(*locked_.insert(Key(path)).first); }

    std::set<std::string> failingWrites; // names whose SetValue fails
    std::vector<std::string> writeLog;   // the successful writes in order, as "name=value"
    // Writes (values set, keys deleted) still to succeed, as if the program were killed then; with
    // failOnce, that one write fails and the ones after it succeed.
    int writesLeft = INT_MAX;
    bool failOnce = false;

private:
    static constexpr std::uintptr_t kRoot = 0x80000001u;
    using Values = std::map<std::string, RegValue>;

    bool Refused() { return writesLeft-- <= 0 && (writesLeft == -1 || !failOnce); }

    // The key's name in keys_: lower case, no empty parts.
    static std::string Key(const std::string& path, const std::string& under = {}) {
        std::string key = under, part;
        std::istringstream parts(path);
        while (std::getline(parts, part, '\\'))
            if (!part.empty())
                key += (key.empty() ? "" : "\\") + part;
        for (char& c : key)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return key;
    }
    Values& Create(const std::string& key) { // with every key above it
        for (std::size_t at = key.find('\\'); at != std::string::npos; at = key.find('\\', at + 1))
            keys_[key.substr(0, at)];
        return keys_[key];
    }
    const std::string* KeyOf(RegKey key) const {
        static const std::string root;
        const auto found = handles_.find(RawOf(key));
        return RawOf(key) == kRoot ? &root : found == handles_.end() ? nullptr : &found->second;
    }
    OpenedKey Open(RegKey parent, const std::string& path, bool create) {
        const std::string* base = KeyOf(parent);
        const std::string key = base ? Key(path, *base) : "";
        if (!base || locked_.count(key))
            return {OpenedKey::Status::Failed};
        if (!create && !keys_.count(key))
            return {OpenedKey::Status::NotFound};
        Create(key);
        handles_[nextHandle_] = key;
        if (!create) // opened for reading
            readOnly_.insert(nextHandle_);
        return {OpenedKey::Status::Ok, RefOf<RegKey>(nextHandle_++)};
    }

    std::map<std::string, Values> keys_{{"", {}}};
    std::map<std::uintptr_t, std::string> handles_;
    std::set<std::string> locked_;
    std::set<std::uintptr_t> readOnly_;
    std::uintptr_t nextHandle_ = 0x100;
};

} // namespace corvane::testing
