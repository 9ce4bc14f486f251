#pragma once
// The program's icons in the tray: the main icon of pop-up mode or one icon
// per entry, added at start, shown again when the tray restarts, removed at
// the end. Every icon is registered with the owner window. At log-on the
// shell may refuse icons until its tray is ready: the refused ones are kept
// to be added again.
#include "core/entry.h"
#include "core/system_api.h"
#include "tray/shell_icon_api.h"
#include "tray/tray_icons.h"

#include <cstdint>
#include <set>

namespace corvane {

class TrayPresence {
public:
    TrayPresence(ShellIconApi& shellIcons, SystemApi& system)
        : shellIcons_(shellIcons), system_(system) {}

    void SetOwner(WindowRef owner) { owner_ = owner; }

    void AddMainIcon();
    void RemoveMainIcon();
    // The entry's icon under the given identifier, its description as tip.
    // An entry's tray icon is always the small icon of its icon path.
    void AddEntryIcon(const Entry& entry, std::int32_t id);
    // The entry's tray icon shows what the entry holds now.
    void ModifyEntryIcon(const Entry& entry);
    void RemoveEntryIcon(std::int32_t id);
    void RemoveEntryIcons(const EntryTable& table);
    // The shell's tray came back (it restarted): show every icon again.
    void Restore(const EntryTable& table, bool popUp);
    // Adds again the icons that the shell refused.
    void RetryRefused(const EntryTable& table, bool popUp);
    bool AnyRefused() const { return !refused_.empty(); }
    // The shell refused every icon of the program (or it has none): the
    // tray shows nothing of it.
    bool NoneShown(const EntryTable& table, bool popUp) const;

private:
    // The small icon of the entry's icon path, as it is found now.
    ScopedIcon SmallIconOf(const Entry& entry);
    // Adds an icon, noting whether the shell took it.
    void Add(std::int32_t id, IconRef icon, const std::string& tip);
    // Adds the program's icons again (onlyRefused: those the shell refused).
    void AddAgain(const EntryTable& table, bool popUp, bool onlyRefused);

    ShellIconApi& shellIcons_;
    SystemApi& system_;
    WindowRef owner_ = WindowRef::None;
    // The icons whose last add the shell refused, by identifier.
    std::set<std::int32_t> refused_;
};

} // namespace corvane
