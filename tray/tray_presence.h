#pragma once
// The program's icons in the tray: the main icon of pop-up mode or one icon
// per entry, added at start, shown again when the tray restarts, removed at
// the end. Every icon is registered with the owner window.
#include "core/entry.h"
#include "core/system_api.h"
#include "tray/shell_icon_api.h"

#include <cstdint>

namespace corvane {

class TrayPresence {
public:
    TrayPresence(ShellIconApi& shellIcons, SystemApi& system)
        : shellIcons_(shellIcons), system_(system) {}

    void SetOwner(WindowRef owner) { owner_ = owner; }

    void AddMainIcon();
    void RemoveMainIcon();
    // The entry's icon under the given identifier, its description as tip.
    void AddEntryIcon(const Entry& entry, std::int32_t id);
    // The entry's icon shows icon and the entry's description.
    void ModifyEntryIcon(const Entry& entry, IconRef icon);
    void RemoveEntryIcon(std::int32_t id);
    void RemoveEntryIcons(const EntryTable& table);
    // The shell's tray came back (it restarted): show every icon again.
    void Restore(const EntryTable& table, bool popUp);

private:
    ShellIconApi& shellIcons_;
    SystemApi& system_;
    WindowRef owner_ = WindowRef::None;
};

} // namespace corvane
