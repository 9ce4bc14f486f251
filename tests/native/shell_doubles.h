#pragma once
// Doubles for the shortcut reader: a scripted loader, an in-memory file
// system and a registry that counts how often a key is opened.
#include "shell/file_system_api.h"
#include "shell/link_loader.h"
#include "tests/native/memory_registry.h"

#include <map>
#include <string>
#include <vector>

namespace corvane::testing {

class ScriptedLoader : public LinkLoader {
public:
    LoadOutcome Load(const std::string& path, LinkValues& values) override {
        paths.push_back(path);
        if (outcome == LoadOutcome::Loaded)
            values = result;
        return outcome;
    }
    LoadOutcome outcome = LoadOutcome::Loaded;
    LinkValues result;
    std::vector<std::string> paths;
};

class MemoryFiles : public FileSystemApi {
public:
    bool IsFile(const std::string& path) override { return files.count(path) != 0; }
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) override {
        reads.push_back(path);
        const auto found = files.find(path);
        if (found == files.end())
            return std::nullopt;
        const std::size_t n = std::min(maxBytes, found->second.size());
        return std::vector<std::uint8_t>(found->second.begin(), found->second.begin() + n);
    }
    std::map<std::string, std::vector<std::uint8_t>> files;
    std::vector<std::string> reads;
};

class CountingRegistry : public MemoryRegistry {
public:
    OpenedKey OpenKey(RegKey parent, const std::string& path) override {
        ++opens;
        return MemoryRegistry::OpenKey(parent, path);
    }
    std::optional<RegKey> CreateKey(RegKey parent, const std::string& path) override {
        ++creates;
        return MemoryRegistry::CreateKey(parent, path);
    }
    int opens = 0;
    int creates = 0;
};

} // namespace corvane::testing
