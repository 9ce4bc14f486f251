#pragma once
// The launcher on every double, started on a store that a save left.
#include "app/program.h"
#include "tests/native/doubles.h"
#include "tests/native/memory_registry.h"
#include "tests/native/shell_doubles.h"

#include <memory>

namespace corvane::testing {

using Lines = std::vector<std::string>;

struct LauncherRig {
    // The store as a save leaves it, and SmallIcons.
    void Store(const Options& options, const std::vector<Entry>& entries) {
        SettingsStore(registry).Save(options, TableOf(entries));
        registry.PutDword(kSettings, "SmallIcons", options.smallIcons);
    }
    void Start() {
        launcher->OnCreate();
        launcher->OnStartupTimer();
    }
    // Started on entries described tips[i] (by default "Entry i"), "C:\Apps\i.exe -pi" with the
    // icon "%ICONS%\i.ico" (ICONS: C:\Icons) and start mode i % 4; the records emptied after.
    void StartWith(const Options& options, int count, Lines tips = {}) {
        std::vector<Entry> entries;
        system.variables["ICONS"] = "C:\\Icons";
        for (int i = 0; i < count; ++i) {
            const std::string n = std::to_string(i);
            entries.push_back({"C:\\Apps\\" + n + ".exe", "%ICONS%\\" + n + ".ico", "-p" + n,
                               tips.empty() ? "Entry " + n : tips.at(i), false, i % 4});
            icons.knownFiles.insert("C:\\Icons\\" + n + ".ico");
        }
        Store(options, entries);
        Start();
        log.clear();
        shell.calls.clear();
        registry.writeLog.clear();
    }
    // The editor's fields as an entry.
    Entry Shown() {
        auto& t = view.texts;
        return {t[Ctl::PathField],
                t[Ctl::IconPathField],
                t[Ctl::ParametersField],
                t[Ctl::DescriptionField],
                false,
                view.combo};
    }
    // The entries as a save now stores them.
    std::vector<Entry> Saved() {
        launcher->OnMinimize();
        return StoredEntries(registry);
    }

    CallLog log;
    MemoryRegistry registry;
    FakeSettingsFile settingsFile;
    RecordingShell shell{log};
    FakeTrayIcons tray{log};
    FakeFileIcons icons;
    FakeMenus menus{log};
    FakeView view{log};
    FakeSystem system{log};
    ScriptedDialogs dialogs;
    FakeDrops drops;
    ScriptedLoader links;
    MemoryFiles files;
    std::unique_ptr<Program> program =
        std::make_unique<Program>(Platform{registry, settingsFile, shell, tray, icons, menus, view,
                                           system, system, dialogs, drops, links, files, system});
    Launcher* launcher = &program->Events();
};

} // namespace corvane::testing
