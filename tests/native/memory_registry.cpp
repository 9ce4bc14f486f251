#include "tests/native/memory_registry.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace corvane::testing {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(path);
    while (std::getline(in, part, '\\'))
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

constexpr std::uintptr_t kCurrentUser = 0x80000001u;

} // namespace

MemoryRegistry::MemoryRegistry() : root_(std::make_unique<Key>()) {}

RegKey MemoryRegistry::CurrentUser() const {
    return RefOf<RegKey>(kCurrentUser);
}

MemoryRegistry::Key* MemoryRegistry::Walk(Key* from, const std::string& path, bool create) const {
    Key* key = from;
    for (const std::string& part : SplitPath(path)) {
        auto found = key->subkeys.find(Lower(part));
        if (found == key->subkeys.end()) {
            if (!create)
                return nullptr;
            found = key->subkeys.emplace(Lower(part), std::make_unique<Key>()).first;
        }
        key = found->second.get();
    }
    return key;
}

MemoryRegistry::Key* MemoryRegistry::KeyOf(RegKey key) const {
    if (RawOf(key) == kCurrentUser)
        return root_.get();
    const auto found = handles_.find(RawOf(key));
    return found == handles_.end() ? nullptr : found->second;
}

std::optional<RegKey> MemoryRegistry::Open(RegKey parent, const std::string& path, bool create) {
    Key* base = KeyOf(parent);
    Key* key = base ? Walk(base, path, create) : nullptr;
    if (!key)
        return std::nullopt;
    handles_[nextHandle_] = key;
    return RefOf<RegKey>(nextHandle_++);
}

void MemoryRegistry::CloseKey(RegKey key) {
    handles_.erase(RawOf(key));
}

RegValue MemoryRegistry::QueryValue(RegKey key, const std::string& name) {
    Key* k = KeyOf(key);
    if (!k)
        return RegValue{RegValue::Status::Failed, RegType::None, {}};
    const auto found = k->values.find(Lower(name));
    if (found == k->values.end())
        return RegValue{};
    return found->second;
}

bool MemoryRegistry::SetValue(RegKey key, const std::string& name, RegType type,
                              const std::vector<std::uint8_t>& data) {
    Key* k = KeyOf(key);
    if (!k || failingWrites.count(name))
        return false;
    k->values[Lower(name)] = RegValue{RegValue::Status::Ok, type, data};
    std::string shown;
    if (type == RegType::Dword && data.size() == 4)
        shown = std::to_string(data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24);
    else
        shown = std::string(data.begin(), data.end());
    writeLog.push_back(name + "=" + shown);
    return true;
}

bool MemoryRegistry::Exists(const std::string& path) const {
    return Walk(root_.get(), path, false) != nullptr;
}

void MemoryRegistry::Put(const std::string& path, const std::string& name, RegType type,
                         std::vector<std::uint8_t> data) {
    Walk(root_.get(), path, true)->values[Lower(name)] =
        RegValue{RegValue::Status::Ok, type, std::move(data)};
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
    const Key* key = Walk(root_.get(), path, false);
    if (!key)
        return nullptr;
    const auto found = key->values.find(Lower(name));
    return found == key->values.end() ? nullptr : &found->second;
}

std::optional<std::uint32_t> MemoryRegistry::Dword(const std::string& path,
                                                   const std::string& name) const {
    const RegValue* value = Get(path, name);
    if (!value || value->type != RegType::Dword || value->data.size() != 4)
        return std::nullopt;
    const auto& d = value->data;
    return static_cast<std::uint32_t>(d[0] | d[1] << 8 | d[2] << 16 | d[3] << 24);
}

std::optional<std::string> MemoryRegistry::RawString(const std::string& path,
                                                     const std::string& name) const {
    const RegValue* value = Get(path, name);
    if (!value || value->type != RegType::Sz)
        return std::nullopt;
    return std::string(value->data.begin(), value->data.end());
}

std::vector<std::string> MemoryRegistry::SubkeyNames(const std::string& path) const {
    std::vector<std::string> names;
    if (const Key* key = Walk(root_.get(), path, false))
        for (const auto& [name, sub] : key->subkeys)
            names.push_back(name);
    return names;
}

} // namespace corvane::testing
