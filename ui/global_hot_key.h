#pragma once
// The program's one global hot key, which opens the pop-up menu: the key in
// force, the options page's control that shows and chooses it, and its place
// in the store.
#include "core/settings_store.h"
#include "core/system_api.h"
#include "ui/form_view.h"

#include <cstdint>
#include <optional>

namespace corvane {

class GlobalHotKey {
public:
    GlobalHotKey(FormView& view, SystemApi& system, SettingsStore& store)
        : view_(view), system_(system), store_(store) {}

    // The key in force (0: none), as "Hot Key" stores it.
    std::uint16_t Held() const { return held_; }
    // The stored key (nothing: none chosen, or damaged), registered; one that
    // another program holds now, or that types a character, is reported and
    // left out of this run.
    void Load(std::optional<std::uint16_t> stored);
    // A key the user chose (or an import holds) registered and stored at
    // once; one without Ctrl or Alt, held by another program or typing a
    // character, changes nothing. Throws when the store cannot be written.
    void Take(std::uint16_t wanted);
    // The control changed. Modifiers let go with no key leave it showing
    // none: only Backspace or Delete clear the key, so it shows the key
    // held again.
    void OnControlChanged();
    // Backspace or Delete in the control: no hot key.
    void OnControlCleared();
    // The key held shown in its control, if the options window is made.
    void Show();

private:
    // Registers hotKey (0: none) in place of the one held. When another
    // program holds it, or it types a character on the keyboard, says so and
    // keeps the one held, in the control too, and is false.
    bool Change(std::uint16_t hotKey);

    FormView& view_;
    // What a key types on the keyboard layout in use.
    SystemApi& system_;
    SettingsStore& store_;
    std::uint16_t held_ = 0;
};

} // namespace corvane
