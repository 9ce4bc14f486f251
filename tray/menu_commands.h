#pragma once
// The commands of the pop-up launcher menu, as they come back in WM_COMMAND.
#include "core/entry.h"

#include <cstdint>
#include <optional>

namespace corvane {

// The entry rows' commands: the first one plus the entry's slot. They stand
// in a range of their own, far from the identifiers the dialog manager sends
// for keys (IDOK, IDCANCEL ... 1 to 11) and from those of the options
// window's controls, so that no key pressed in the window and no control's
// command is ever taken for a choice of an entry row.
inline constexpr std::uint32_t kEntryCommandFirst = 40000;
inline constexpr std::uint32_t kCmdPathRecall = 912;
inline constexpr std::uint32_t kCmdOptions = 913;
inline constexpr std::uint32_t kCmdExit = 914;
inline constexpr std::uint32_t kCmdHelp = 915;

// The command of the entry row for slot.
constexpr std::uint32_t EntryCommand(int slot) {
    return kEntryCommandFirst + static_cast<std::uint32_t>(slot);
}

// The slot whose entry row has this command; nothing for any other command.
std::optional<int> EntrySlotOfCommand(std::uint32_t id);

struct MenuCommand {
    enum class Kind { None, Entry, PathRecall, Options, Exit, Help };
    Kind kind = Kind::None;
    int slot = -1; // for Kind::Entry
    bool operator==(const MenuCommand&) const = default;
};

// The command in a WM_COMMAND's wParam (its low word).
MenuCommand DecodeMenuCommand(std::uint32_t wParam);

} // namespace corvane
