#pragma once
// The global hot key that opens the launcher menu: as the options page's
// hot-key control gives it, as the system registers it, and by name.
#include <cstdint>
#include <string>

namespace corvane {

// The hot-key control's word (HKM_GETHOTKEY), which "Hot Key" stores as it
// is and a shortcut file holds: the virtual-key code in the low byte, these
// flags in the high byte; 0 is none.
inline constexpr std::uint16_t kHotKeyShift = 0x100;
inline constexpr std::uint16_t kHotKeyControl = 0x200;
inline constexpr std::uint16_t kHotKeyAlt = 0x400;
inline constexpr std::uint16_t kHotKeyExtended = 0x800;

// RegisterHotKey's modifier flags.
inline constexpr std::uint32_t kModAlt = 0x1;
inline constexpr std::uint32_t kModControl = 0x2;
inline constexpr std::uint32_t kModShift = 0x4;
inline constexpr std::uint32_t kModNoRepeat = 0x4000;

// A stored value as a hot key; one with other bits set (damaged) is none.
std::uint16_t HotKeyFromStore(std::int32_t stored);

// Whether a value is a choice to keep: none, or a key with Ctrl or Alt. While
// the user holds modifiers alone, the control shows them with no key yet; a
// key without Ctrl or Alt would take it from every program.
constexpr bool IsUsableHotKey(std::uint16_t hotKey) {
    return hotKey == 0 || ((hotKey & 0xFF) != 0 && (hotKey & (kHotKeyControl | kHotKeyAlt)) != 0);
}

constexpr std::uint32_t HotKeyVirtualKey(std::uint16_t hotKey) {
    return hotKey & 0xFFu;
}

// The modifiers to register the key with; a key held down opens the menu once.
std::uint32_t HotKeyModifiers(std::uint16_t hotKey);

// "Ctrl+Shift+Alt+K": the modifiers in that order and the key's name, as
// printed on a US keyboard ("F5", "Num 7", "Page Up"; "Key 0xE5" for a key
// without one).
std::string HotKeyName(std::uint16_t hotKey);

// The report of a key that another program holds.
std::string HotKeyInUseText(std::uint16_t hotKey);

// The report of a key with Ctrl and Alt that types a character with them
// (typed, in UTF-8): on many keyboards Ctrl+Alt is AltGr, and the hot key
// would take that character from every program. Empty when the key takes
// none: without both modifiers, or typing nothing or a control character.
std::string HotKeyTakesCharacterText(std::uint16_t hotKey, const std::string& typed);

} // namespace corvane
