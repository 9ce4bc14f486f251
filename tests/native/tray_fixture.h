#pragma once
// A started options window with a few entries, for the tray callback, the
// pop-up menu and its commands.
#include "tests/native/canvas_double.h"
#include "tests/native/form_fixture.h"

#include <string>
#include <vector>

namespace corvane::testing {

class TrayFormTest : public FormTest {
protected:
    static std::string AppPath(int i) { return "C:\\Apps\\app" + std::to_string(i) + ".exe"; }
    static std::string IconPath(int i) { return "C:\\Icons\\icon" + std::to_string(i) + ".ico"; }
    static std::string Description(int i) { return "Entry " + std::to_string(i); }
    static constexpr const char* kExplorer = "C:\\WINDOWS\\Explorer.exe";

    // Entry i has start mode i % 4; every icon file can be found. The log and
    // the shell's calls start empty afterwards.
    void StartWith(bool popUp, bool small, bool single, int count) {
        StoreOptions(popUp, small, single, false);
        std::vector<StoredEntry> entries;
        for (int i = 0; i < count; ++i) {
            entries.push_back(
                {AppPath(i), IconPath(i), "-p" + std::to_string(i), Description(i), false, i % 4});
            icons.knownFiles.insert(IconPath(i));
        }
        icons.knownFiles.insert(kExplorer);
        StoreEntries(entries);
        Start();
        log.clear();
        shell.calls.clear();
        icons.fileInfoPaths.clear();
    }

    std::vector<FakeMenus::Item> MenuItems() { return menus.menus.at(RawOf(form->MenuHandle)); }

    RecordingCanvas canvas{log, &icons};
};

} // namespace corvane::testing
