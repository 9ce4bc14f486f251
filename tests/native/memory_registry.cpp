#include "tests/native/memory_registry.h"

#include <cctype>
#include <sstream>

namespace corvane::testing {

std::string MemoryRegistry::Key(const std::string& path, const std::string& under) {
    std::string key = under, part;
    std::istringstream parts(path);
    while (std::getline(parts, part, '\\'))
        if (!part.empty())
            key += (key.empty() ? "" : "\\") + part;
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

MemoryRegistry::Values& MemoryRegistry::Create(const std::string& key) {
    // Every key above it comes into being too.
    for (std::size_t at = key.find('\\'); at != std::string::npos; at = key.find('\\', at + 1))
        keys_[key.substr(0, at)];
    return keys_[key];
}

const std::string* MemoryRegistry::KeyOf(RegKey key) const {
    static const std::string root;
    const auto found = handles_.find(RawOf(key));
    return RawOf(key) == kRoot ? &root : found == handles_.end() ? nullptr : &found->second;
}

std::optional<RegKey> MemoryRegistry::Open(RegKey parent, const std::string& path, bool create) {
    const std::string* base = KeyOf(parent);
    if (!base)
        return std::nullopt;
    const std::string key = Key(path, *base);
    if (create)
        Create(key);
    else if (!keys_.count(key))
        return std::nullopt;
    handles_[nextHandle_] = key;
    return RefOf<RegKey>(nextHandle_++);
}

RegValue MemoryRegistry::QueryValue(RegKey key, const std::string& name) {
    const std::string* k = KeyOf(key);
    if (!k)
        return RegValue{RegValue::Status::Failed, RegType::None, {}};
    const RegValue* value = Get(*k, name);
    return value ? *value : RegValue{};
}

bool MemoryRegistry::SetValue(RegKey key, const std::string& name, RegType type,
                              const std::vector<std::uint8_t>& data) {
    const std::string* k = KeyOf(key);
    if (!k || failingWrites.count(name))
        return false;
    Put(*k, name, type, data);
    writeLog.push_back(name + "=" +
                       (type == RegType::Dword ? std::to_string(*Dword(*k, name))
                                               : std::string(data.begin(), data.end())));
    return true;
}

void MemoryRegistry::Put(const std::string& path, const std::string& name, RegType type,
                         std::vector<std::uint8_t> data) {
    Create(Key(path))[Key(name)] = RegValue{RegValue::Status::Ok, type, std::move(data)};
}

void MemoryRegistry::PutDword(const std::string& path, const std::string& name,
                              std::uint32_t value) {
    Put(path, name, RegType::Dword,
        {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
         static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

void MemoryRegistry::PutString(const std::string& path, const std::string& name,
                               const std::string& text, bool withZero) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    if (withZero)
        data.push_back(0);
    Put(path, name, RegType::Sz, std::move(data));
}

const RegValue* MemoryRegistry::Get(const std::string& path, const std::string& name) const {
    const auto key = keys_.find(Key(path));
    if (key == keys_.end())
        return nullptr;
    const auto value = key->second.find(Key(name));
    return value == key->second.end() ? nullptr : &value->second;
}

std::optional<std::uint32_t> MemoryRegistry::Dword(const std::string& path,
                                                   const std::string& name) const {
    const RegValue* value = Get(path, name);
    if (!value || value->type != RegType::Dword || value->data.size() != 4)
        return std::nullopt;
    const auto& d = value->data;
    return static_cast<std::uint32_t>(d[0] | d[1] << 8 | d[2] << 16 | d[3] << 24);
}

std::string MemoryRegistry::Text(const std::string& path, const std::string& name) const {
    const RegValue* value = Get(path, name);
    return value ? std::string(value->data.begin(), value->data.end()) : "(none)";
}

} // namespace corvane::testing
