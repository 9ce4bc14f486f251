#include "core/memory_registry.h"

#include "core/text.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::uintptr_t kRoot = 0x80000001u;

// The path without empty parts, as written.
std::string Clean(const std::string& path, const std::string& under = {}) {
    std::string key = under;
    for (std::size_t at = 0, end = 0; at <= path.size(); at = end + 1) {
        end = std::min(path.find('\\', at), path.size());
        if (end > at)
            key += (key.empty() ? "" : "\\") + path.substr(at, end - at);
    }
    return key;
}

} // namespace

std::string MemoryRegistry::Fold(const std::string& path, const std::string& under) {
    return AsciiLower(Clean(path, under));
}

RegKey MemoryRegistry::CurrentUser() const {
    return RefOf<RegKey>(kRoot);
}

std::optional<RegKey> MemoryRegistry::CreateKey(RegKey parent, const std::string& path) {
    const OpenedKey opened = Open(parent, path, true);
    return opened.status == OpenedKey::Status::Ok ? std::optional(opened.key) : std::nullopt;
}

OpenedKey MemoryRegistry::OpenKey(RegKey parent, const std::string& path) {
    return Open(parent, path, false);
}

void MemoryRegistry::CloseKey(RegKey key) {
    handles_.erase(RawOf(key));
    readOnly_.erase(RawOf(key));
}

RegValue MemoryRegistry::QueryValue(RegKey key, const std::string& name) {
    const std::string* k = KeyOf(key);
    if (!k)
        return RegValue{RegValue::Status::Failed, {}, {}};
    const RegValue* value = Get(*k, name);
    return value ? *value : RegValue{RegValue::Status::NotFound, {}, {}};
}

bool MemoryRegistry::SetValue(RegKey key, const std::string& name, RegType type,
                              const std::vector<std::uint8_t>& data) {
    const std::string* k = KeyOf(key);
    if (!k || ReadOnly(key))
        return false;
    Put(*k, name, type, data);
    return true;
}

bool MemoryRegistry::DeleteKey(RegKey parent, const std::string& path) {
    const std::string* base = KeyOf(parent);
    if (!base)
        return false;
    const std::string key = Fold(path, *base);
    return !key.empty() && Subkeys(key).empty() && keys_.erase(key) != 0;
}

bool MemoryRegistry::Exists(const std::string& path) const {
    return keys_.count(Fold(path)) != 0;
}

void MemoryRegistry::Put(const std::string& path, const std::string& name, RegType type,
                         std::vector<std::uint8_t> data) {
    std::vector<NamedValue>& values = Create(Fold(path), Clean(path)).values;
    RegValue value{RegValue::Status::Ok, type, std::move(data)};
    for (NamedValue& old : values)
        if (AsciiLower(old.name) == AsciiLower(name)) {
            old.value = std::move(value);
            return;
        }
    values.push_back({name, std::move(value)});
}

const RegValue* MemoryRegistry::Get(const std::string& path, const std::string& name) const {
    const auto key = keys_.find(Fold(path));
    if (key == keys_.end())
        return nullptr;
    for (const NamedValue& value : key->second.values)
        if (AsciiLower(value.name) == AsciiLower(name))
            return &value.value;
    return nullptr;
}

std::string MemoryRegistry::NameOf(const std::string& path) const {
    const auto key = keys_.find(Fold(path));
    return key == keys_.end() ? std::string() : key->second.name;
}

const std::vector<NamedValue>& MemoryRegistry::Values(const std::string& path) const {
    static const std::vector<NamedValue> none;
    const auto key = keys_.find(Fold(path));
    return key == keys_.end() ? none : key->second.values;
}

std::vector<std::string> MemoryRegistry::Subkeys(const std::string& path) const {
    const std::string folded = Fold(path);
    const std::string prefix = folded.empty() ? folded : folded + "\\";
    std::vector<std::string> names;
    for (auto it = keys_.upper_bound(prefix); it != keys_.end(); ++it) {
        if (it->first.compare(0, prefix.size(), prefix) != 0)
            break;
        const std::string rest = it->first.substr(prefix.size());
        if (!rest.empty() && rest.find('\\') == std::string::npos)
            names.push_back(it->second.name.substr(it->second.name.size() - rest.size()));
    }
    return names;
}

const std::string* MemoryRegistry::KeyOf(RegKey key) const {
    static const std::string root;
    if (RawOf(key) == kRoot)
        return &root;
    const auto found = handles_.find(RawOf(key));
    return found == handles_.end() ? nullptr : &found->second;
}

MemoryRegistry::Key& MemoryRegistry::Create(const std::string& folded, const std::string& written) {
    for (std::size_t at = folded.find('\\'); at != std::string::npos;
         at = folded.find('\\', at + 1))
        if (!keys_.count(folded.substr(0, at)))
            keys_[folded.substr(0, at)].name = written.substr(0, at);
    Key& key = keys_[folded];
    if (key.name.empty())
        key.name = written;
    return key;
}

OpenedKey MemoryRegistry::Open(RegKey parent, const std::string& path, bool create) {
    const std::string* base = KeyOf(parent);
    if (!base)
        return {OpenedKey::Status::Failed};
    const std::string key = Fold(path, *base);
    if (!create && !keys_.count(key))
        return {OpenedKey::Status::NotFound};
    Create(key, Clean(path, keys_[*base].name));
    handles_[nextHandle_] = key;
    if (!create)
        readOnly_.insert(nextHandle_);
    return {OpenedKey::Status::Ok, RefOf<RegKey>(nextHandle_++)};
}

} // namespace corvane
