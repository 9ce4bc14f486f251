#pragma once
// The program's in-memory registry with switches that make opening a key and writing fail, and a
// log of the writes.
#include "core/memory_registry.h"
#include "core/settings_file_api.h"
#include "core/settings_store.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

namespace corvane::testing {

class MemoryRegistry : public corvane::MemoryRegistry {
public:
    std::optional<RegKey> CreateKey(RegKey parent, const std::string& path) override {
        return Locked(parent, path) ? std::nullopt
                                    : corvane::MemoryRegistry::CreateKey(parent, path);
    }
    OpenedKey OpenKey(RegKey parent, const std::string& path) override {
        return Locked(parent, path) ? OpenedKey{OpenedKey::Status::Failed}
                                    : corvane::MemoryRegistry::OpenKey(parent, path);
    }
    bool SetValue(RegKey key, const std::string& name, RegType type,
                  const std::vector<std::uint8_t>& data) override {
        const std::string* k = KeyOf(key);
        if (!k || ReadOnly(key) || Refused() || failingWrites.count(name))
            return false;
        corvane::MemoryRegistry::SetValue(key, name, type, data);
        writeLog.push_back(name + "=" +
                           (type == RegType::Dword ? std::to_string(*Dword(*k, name))
                                                   : std::string(data.begin(), data.end())));
        return true;
    }
    bool DeleteKey(RegKey parent, const std::string& path) override {
        return !Refused() && corvane::MemoryRegistry::DeleteKey(parent, path);
    }

    void PutDword(const std::string& path, const std::string& name, std::uint32_t value) {
        Put(path, name, RegType::Dword,
            {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
             std::uint8_t(value >> 24)});
    }
    void PutString(const std::string& path, const std::string& name, const std::string& text) {
        Put(path, name, RegType::Sz, {text.begin(), text.end()});
    }
    std::optional<std::uint32_t> Dword(const std::string& path, const std::string& name) const {
        const RegValue* v = Get(path, name);
        if (!v || v->type != RegType::Dword || v->data.size() != 4)
            return std::nullopt;
        return std::uint32_t(v->data[0] | v->data[1] << 8 | v->data[2] << 16 | v->data[3] << 24);
    }
    int openHandles() const { return OpenHandles(); }
    // The key exists from now on and cannot be opened (access rights).
    void Lock(const std::string& path) {
        CloseKey(*corvane::MemoryRegistry::CreateKey(CurrentUser(), path));
        locked_.insert(Fold(path));
    }

    std::set<std::string> failingWrites; // names whose SetValue fails
    std::vector<std::string> writeLog;   // the successful writes in order, as "name=value"
    // Writes (values set, keys deleted) still to succeed, as if the program were killed then; with
    // failOnce, that one write fails and the ones after it succeed.
    int writesLeft = INT_MAX;
    bool failOnce = false;

private:
    bool Refused() { return writesLeft-- <= 0 && (writesLeft == -1 || !failOnce); }
    bool Locked(RegKey parent, const std::string& path) const {
        const std::string* base = KeyOf(parent);
        return base && locked_.count(Fold(path, *base));
    }

    std::set<std::string> locked_;
};

// The settings file beside the program: none until it is given a status. A file kept aside
// takes its bytes with it; Replace fails while replaces is false.
struct FakeSettingsFile : SettingsFileApi {
    FileContents Read() override { return {status, bytes}; }
    std::string Path() const override { return "C:\\P\\Corvane.ini"; }
    bool Writable() override { return writable; }
    bool Replace(const std::vector<std::uint8_t>& written) override {
        if (replaces)
            bytes = written, status = FileContents::Status::Ok, ++replaced;
        return replaces;
    }
    std::string KeepAside() override {
        if (!movesAside)
            return {};
        aside = bytes, bytes.clear(), status = FileContents::Status::NotFound;
        return "C:\\P\\Corvane (unreadable).ini";
    }
    FileContents::Status status = FileContents::Status::NotFound;
    std::vector<std::uint8_t> bytes, aside;
    bool writable = true, replaces = true, movesAside = true;
    int replaced = 0;
};

// The entries a load reads from the store, which has every entry key below its count.
// The stored entries without their tray icon identifiers (checked on their own).
inline std::vector<Entry> StoredEntries(corvane::MemoryRegistry& registry) {
    StoreContents stored = SettingsStore(registry).Load();
    EXPECT_FALSE(stored.unreadEntry);
    for (Entry& entry : stored.entries)
        entry.iconId = 0;
    return stored.entries;
}

} // namespace corvane::testing
