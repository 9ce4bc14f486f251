#include "ui/global_hot_key.h"

#include "core/hot_key.h"
#include "core/text.h"

#include <stdexcept>
#include <string>

namespace corvane {

void GlobalHotKey::Load(std::optional<std::uint16_t> stored) {
    if (stored && IsUsableHotKey(*stored) && Change(*stored))
        Show();
}

void GlobalHotKey::Show() {
    if (view_.OptionsWindowMade())
        view_.SetHotKey(held_);
}

bool GlobalHotKey::Change(std::uint16_t hotKey) {
    // A key that types a character is refused before the key held is let go.
    std::string refusal = HotKeyTakesCharacterText(hotKey, system_.TypedByKey(hotKey));
    if (refusal.empty()) {
        // Letting go of none is harmless.
        view_.UnregisterHotKey();
        if (hotKey == 0 || view_.RegisterHotKey(hotKey)) {
            held_ = hotKey;
            return true;
        }
        if (held_ != 0)
            view_.RegisterHotKey(held_);
        refusal = HotKeyInUseText(hotKey);
    }
    // Told at once, and the control goes back to the key held.
    view_.ShowMessage(refusal, kApplicationTitle);
    Show();
    return false;
}

void GlobalHotKey::OnControlChanged() {
    if (const std::uint16_t shown = view_.HotKey(); shown != 0)
        Take(shown);
    else
        view_.SetHotKey(held_);
}

void GlobalHotKey::OnControlCleared() {
    view_.SetHotKey(0);
    Take(0);
}

void GlobalHotKey::Take(std::uint16_t wanted) {
    if (!IsUsableHotKey(wanted) || wanted == held_ || !Change(wanted))
        return;
    // Stored the moment it changes: it is in force from now on.
    if (const WriteFailure failure = store_.SaveHotKey(held_))
        throw std::runtime_error(*failure);
}

} // namespace corvane
