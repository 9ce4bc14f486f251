#include "core/hot_key.h"

#include "core/text.h"

#include <algorithm>

namespace corvane {
namespace {

struct KeyName {
    std::uint8_t key;
    const char* name;
};

// Keys whose names are no character of their own code; letters, digits and
// function keys are named by rule.
constexpr KeyName kKeyNames[] = {
    {0x08, "Backspace"},   {0x09, "Tab"},    {0x0D, "Enter"}, {0x13, "Pause"},
    {0x14, "Caps Lock"},   {0x1B, "Esc"},    {0x20, "Space"}, {0x21, "Page Up"},
    {0x22, "Page Down"},   {0x23, "End"},    {0x24, "Home"},  {0x25, "Left"},
    {0x26, "Up"},          {0x27, "Right"},  {0x28, "Down"},  {0x2C, "Print Screen"},
    {0x2D, "Insert"},      {0x2E, "Delete"}, {0x6A, "Num *"}, {0x6B, "Num +"},
    {0x6D, "Num -"},       {0x6E, "Num ."},  {0x6F, "Num /"}, {0x90, "Num Lock"},
    {0x91, "Scroll Lock"}, {0xBA, ";"},      {0xBB, "="},     {0xBC, ","},
    {0xBD, "-"},           {0xBE, "."},      {0xBF, "/"},     {0xC0, "`"},
    {0xDB, "["},           {0xDC, "\\"},     {0xDD, "]"},     {0xDE, "'"},
};

std::string KeyNameOf(std::uint32_t key) {
    if (('0' <= key && key <= '9') || ('A' <= key && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (0x60 <= key && key <= 0x69)
        return "Num " + std::to_string(key - 0x60);
    if (0x70 <= key && key <= 0x87)
        return "F" + std::to_string(key - 0x6F);
    for (const KeyName& named : kKeyNames)
        if (named.key == key)
            return named.name;
    return "Key 0x" + Hex(key, 2, true);
}

} // namespace

std::uint16_t HotKeyFromStore(std::int32_t stored) {
    // The four flags and the key.
    return (stored & ~0xFFF) == 0 ? static_cast<std::uint16_t>(stored) : 0;
}

std::uint32_t HotKeyModifiers(std::uint16_t hotKey) {
    std::uint32_t modifiers = kModNoRepeat;
    if (hotKey & kHotKeyShift)
        modifiers |= kModShift;
    if (hotKey & kHotKeyControl)
        modifiers |= kModControl;
    if (hotKey & kHotKeyAlt)
        modifiers |= kModAlt;
    return modifiers;
}

std::string HotKeyName(std::uint16_t hotKey) {
    std::string name;
    if (hotKey & kHotKeyControl)
        name += "Ctrl+";
    if (hotKey & kHotKeyShift)
        name += "Shift+";
    if (hotKey & kHotKeyAlt)
        name += "Alt+";
    return name + KeyNameOf(HotKeyVirtualKey(hotKey));
}

std::string HotKeyInUseText(std::uint16_t hotKey) {
    return HotKeyName(hotKey) + " is in use by another program";
}

std::string HotKeyTakesCharacterText(std::uint16_t hotKey, const std::string& typed) {
    constexpr std::uint16_t kAltGr = kHotKeyControl | kHotKeyAlt;
    const bool character = std::any_of(typed.begin(), typed.end(), [](unsigned char byte) {
        return byte >= 0x20 && byte != 0x7F;
    });
    if ((hotKey & kAltGr) != kAltGr || !character)
        return {};
    return HotKeyName(hotKey) + " types \"" + typed + "\" on this keyboard";
}

} // namespace corvane
