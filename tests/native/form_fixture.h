#pragma once
// A TForm1 wired to test doubles, with helpers to lay out a stored state.
#include "core/settings_store.h"
#include "tests/native/doubles.h"
#include "tests/native/memory_registry.h"
#include "ui/corvane.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvane::testing {

inline const std::string kSettingsPath = "SOFTWARE\\Quennard\\Corvane\\3.0";
inline std::string EntryPath(int slot) {
    return kSettingsPath + "\\Tool Box Icon  " + std::to_string(slot);
}

struct StoredEntry {
    std::string path, iconPath, params, toolTip;
    bool autoStart = false;
    std::int32_t startMode = 0;
};

class FormTest : public ::testing::Test {
protected:
    FormTest()
        : shell(log), icons(log), menus(log), view(log), system(log),
          form(std::make_unique<TForm1>(
              Platform{registry, shell, icons, menus, view, system, system})) {
        view.onTextChange = [this](Ctl c) {
            if (c == Ctl::txtPath)
                form->txtPathChange();
        };
    }

    void StoreOptions(bool popUp, bool small, bool single, bool hide) {
        registry.PutDword(kSettingsPath, "PopUpIt", popUp);
        registry.PutDword(kSettingsPath, "SmallIcons", small);
        registry.PutDword(kSettingsPath, "Single Click", single);
        registry.PutDword(kSettingsPath, "Hide on Start", hide);
    }

    void StoreEntries(const std::vector<StoredEntry>& entries) {
        registry.PutDword(kSettingsPath, "Icon Count", static_cast<std::uint32_t>(entries.size()));
        for (std::size_t i = 0; i < entries.size(); ++i)
            StoreEntry(static_cast<int>(i), entries[i]);
    }

    void StoreEntry(int slot, const StoredEntry& e) {
        const std::string key = EntryPath(slot);
        registry.PutString(key, "Path", e.path);
        registry.PutString(key, "Icon Path", e.iconPath);
        registry.PutString(key, "Params", e.params);
        registry.PutString(key, "Tool Tip", e.toolTip);
        registry.PutDword(key, "Auto Start", e.autoStart);
        registry.PutDword(key, "StartMode", static_cast<std::uint32_t>(e.startMode));
    }

    // Start-up as the message loop runs it: creation, then the timer.
    void Start() {
        form->FormCreate();
        form->Timer1Timer();
    }

    CallLog log;
    MemoryRegistry registry;
    RecordingShell shell;
    FakeShellIcons icons;
    FakeMenus menus;
    FakeView view;
    FakeSystem system;
    std::unique_ptr<TForm1> form;
};

} // namespace corvane::testing
