// Where a start finds the settings: the registry, or a portable copy's settings file.
#include "core/settings_file.h"
#include "tests/data_rows.h"
#include "tests/native/launcher_rig.h"

namespace corvane::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The entries a file holds, as a load reads them, "+small" with small icons and "+key" with a
// hot key.
std::string EntriesIn(const Bytes& bytes) {
    corvane::MemoryRegistry keys;
    if (const SettingsFileRead read = ReadSettingsFile(bytes, keys); !read.refusal.empty())
        return read.refusal;
    const StoreContents stored = SettingsStore(keys).Load();
    return std::to_string(stored.entries.size()) + (stored.options.smallIcons ? "+small" : "") +
           (stored.hotKey ? "+key" : "");
}

TEST(SettingsHome, AFileBesideTheProgramHoldsTheSettingsAndTheRegistryIsLeftAlone) {
    for (const DataRow& r : DataRows("portable_starts.tsv")) {
        LauncherRig rig;
        if (r[3] != "-")
            rig.Store({.smallIcons = true},
                      std::vector<Entry>(std::stoul(r[3]), Entry{"C:\\R.exe", "", "", "R"})),
                rig.registry.PutDword(kSettings, "Hot Key", 0x0641);
        rig.registry.writeLog.clear();
        FakeSettingsFile& file = rig.settingsFile;
        file.status = r[0] == "-"        ? FileContents::Status::NotFound
                      : r[0] == "locked" ? FileContents::Status::Failed
                                         : FileContents::Status::Ok;
        file.bytes.assign(r[0].begin(), r[0].end());
        const Bytes before = file.bytes;
        file.writable = r[1] != "no";
        file.replaces = r[1] == "yes";
        file.movesAside = r[2] == "yes";
        rig.view.yes = r[4] == "yes";

        rig.Start();
        const std::size_t icons = rig.tray.shown.size();
        rig.launcher->OnMinimize();

        std::string told; // what the user was told and asked, in order
        for (const std::string& line : rig.log)
            if (line.rfind("message ", 0) == 0 || line.rfind("ask ", 0) == 0)
                told += (told.empty() ? "" : " / ") + line;
        EXPECT_EQ(told, r[5] == "-" ? "" : r[5]) << r[0] << " " << r[1] << " " << r[2];
        EXPECT_EQ(std::tuple(icons, file.replaced ? EntriesIn(file.bytes) : "-",
                             !rig.registry.writeLog.empty(),
                             !before.empty() && file.aside == before),
                  std::tuple(std::stoul(r[6]), r[7], r[8] == "yes", r[9] == "yes"))
            << r[0] << " " << r[1] << " " << r[2] << " " << r[3];
    }
}

} // namespace
} // namespace corvane::testing
