#pragma once
// Doubles for the shortcut reader, and its sample files in tests/fuzz.
#include "shell/file_system_api.h"
#include "shell/link_loader.h"
#include "shell/std_file_system.h"
#include "tests/native/memory_registry.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace corvane::testing {

using Bytes = std::vector<std::uint8_t>;

inline const std::filesystem::path kFuzz =
    std::filesystem::path(__FILE__).parent_path() / "../fuzz";

inline Bytes FileBytes(const std::filesystem::path& path) { // read as the program reads files
    return StdFileSystem().ReadFile(path.string(), SIZE_MAX).value_or(Bytes{});
}

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
