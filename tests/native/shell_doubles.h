#pragma once
// Doubles of the shortcut loader and of the file system.
#include "shell/file_system_api.h"
#include "shell/link_loader.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace corvane::testing {

using Bytes = std::vector<std::uint8_t>;

struct ScriptedLoader : LinkLoader {
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

struct MemoryFiles : FileSystemApi { // files of whole bytes; a name in refused takes no writes
    bool IsFile(const std::string& path) override { return files.count(path) != 0; }
    std::optional<Bytes> ReadFile(const std::string& path, std::size_t) override {
        return files.count(path) ? std::optional(files[path]) : std::nullopt;
    }
    bool WriteFile(const std::string& path, const Bytes& bytes) override {
        return !refused.count(path) && (files[path] = bytes, true);
    }
    std::set<std::string> refused;
    std::map<std::string, Bytes> files;
};

} // namespace corvane::testing
