#pragma once
// The program's icons in the tray: the main icon in pop-up mode, one icon per
// entry otherwise, shown as the entry table stands, shown again when the tray
// restarts, and removed when the presence goes, whichever way the program
// ends. At log-on the shell may refuse icons until its tray is ready: the
// refused ones are kept to be shown again.
#include "core/entry.h"
#include "core/product_version.h"
#include "core/system_api.h"
#include "tray/tray_icons.h"

#include <set>
#include <string>
#include <vector>

namespace corvane {

inline constexpr int kMainIconId = 1111;
inline constexpr const char* kMainIconTip = kProductNameAndVersion;

class TrayPresence {
public:
    TrayPresence(TrayIcons& icons, SystemApi& system) : icons_(icons), system_(system) {}
    ~TrayPresence() { RemoveAll(); }
    TrayPresence(const TrayPresence&) = delete;
    TrayPresence& operator=(const TrayPresence&) = delete;

    void SetOwner(WindowRef owner) { icons_.SetOwner(owner); }
    // The run's mode, chosen at start before any icon shows: the program's
    // own icon with the entries in its menu, or an icon for each entry.
    void SetPopUp(bool popUp) { popUp_ = popUp; }
    bool PopUp() const { return popUp_; }
    // The tray shows the table as it stands: the icons of entries gone are
    // removed and changed ones changed; when the order changed, the icons
    // from the first one out of place on are shown again in the table's
    // order (the tray keeps icons in the order they came), then new ones.
    void Sync(const EntryTable& table);
    // The shell's tray came back (it restarted): every icon again.
    void Restore();
    // Shows again the icons that the shell refused.
    void RetryRefused();
    bool AnyRefused() const { return !refused_.empty(); }
    // The shell refused every icon of the program (or it has none): the
    // tray shows nothing of it.
    bool NoneShown() const { return refused_.size() == placed_.size(); }
    void RemoveAll();
    // A menu opened from icon id closed with no choice: the keyboard's focus
    // goes back to the tray at that icon, if the tray shows it.
    void ReturnFocus(int id);

private:
    struct Icon {
        int id = 0;
        // The program's own icon in pop-up mode.
        std::string file;
        std::string tip;
        bool operator==(const Icon&) const = default;
    };
    std::vector<Icon> Wanted(const EntryTable& table) const;
    // Shows the icon, noting whether the shell took it.
    void Show(const Icon& icon);
    void Remove(int id);
    bool IsPlaced(int id) const;

    TrayIcons& icons_;
    // Where the icon paths' environment variables are looked up.
    SystemApi& system_;
    bool popUp_ = false;
    // The icons asked for, in the order the tray got them, taken or refused.
    std::vector<Icon> placed_;
    // The icons whose last showing the shell refused, by identifier.
    std::set<int> refused_;
};

} // namespace corvane
