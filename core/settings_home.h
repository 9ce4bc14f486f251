#pragma once
// Where this run's settings live. An installed copy keeps them in the
// registry. A portable copy, which has a settings file beside the program,
// keeps them in that file and never touches the registry: the file is read
// whole at the start into keys in memory, which the settings store then works
// on as on the registry, and written whole after every save.
#include "core/memory_registry.h"
#include "core/settings_file_api.h"
#include "core/settings_store.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane {

// What the start found that the user must hear of.
struct SettingsOpening {
    // Each said once, in this order.
    std::vector<std::string> notices;
    // The question to ask before the load, when the registry's entries may be
    // copied into a file that holds no settings yet; empty when none.
    std::string copyQuestion;
};

class SettingsHome : public RegistryApi {
public:
    SettingsHome(RegistryApi& registry, SettingsFileApi& file) : registry_(registry), file_(file) {}

    // Finds where the settings live: the registry when there is no settings
    // file. A file that cannot be written is read and never written: the run
    // is read-only. A file that cannot be read is renamed, untouched, and a
    // new one is started; where it cannot be renamed, the run is read-only.
    SettingsOpening Open();
    // The registry's options, hot key and entries into the empty file, after
    // the user said yes to the copy question. The registry stays as it was.
    WriteFailure CopyFromRegistry();

    RegKey CurrentUser() const override;
    std::optional<RegKey> CreateKey(RegKey parent, const std::string& path) override;
    OpenedKey OpenKey(RegKey parent, const std::string& path) override;
    void CloseKey(RegKey key) override;
    RegValue QueryValue(RegKey key, const std::string& name) override;
    bool SetValue(RegKey key, const std::string& name, RegType type,
                  const std::vector<std::uint8_t>& data) override;
    bool DeleteKey(RegKey parent, const std::string& path) override;
    // In a portable copy that can write, the file is written whole.
    std::optional<std::string> Flush() override;

private:
    enum class Place { Registry, File, ReadOnlyFile };
    RegistryApi& Active();
    const RegistryApi& Active() const;

    RegistryApi& registry_;
    SettingsFileApi& file_;
    Place place_ = Place::Registry;
    MemoryRegistry fileKeys_;
    // The registry's store, read once to offer its copy.
    std::optional<StoreContents> registryStore_;
};

} // namespace corvane
