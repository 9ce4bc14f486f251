// The options window's hot key (FormView): the hot-key control and the
// system's registration of the key on the tray window.
#include "core/hot_key.h"
#include "ui/win32/options_window.h"

#include <commctrl.h>

namespace corvane::win32 {

static_assert(kHotKeyShift == HOTKEYF_SHIFT << 8 && kHotKeyControl == HOTKEYF_CONTROL << 8 &&
              kHotKeyAlt == HOTKEYF_ALT << 8 && kHotKeyExtended == HOTKEYF_EXT << 8);
static_assert(kModAlt == MOD_ALT && kModControl == MOD_CONTROL && kModShift == MOD_SHIFT &&
              kModNoRepeat == MOD_NOREPEAT);

std::uint16_t OptionsWindow::HotKey() {
    return static_cast<std::uint16_t>(SendMessageW(Control(Ctl::HotKeyField), HKM_GETHOTKEY, 0, 0));
}

void OptionsWindow::SetHotKey(std::uint16_t hotKey) {
    SendMessageW(Control(Ctl::HotKeyField), HKM_SETHOTKEY, hotKey, 0);
}

bool OptionsWindow::RegisterHotKey(std::uint16_t hotKey) {
    return tray_.RegisterHotKey(hotKey);
}

void OptionsWindow::UnregisterHotKey() {
    tray_.UnregisterHotKey();
}

} // namespace corvane::win32
