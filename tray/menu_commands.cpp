#include "tray/menu_commands.h"

namespace corvane {

std::optional<int> EntrySlotOfCommand(std::uint32_t id) {
    if (id < kEntryCommandFirst || id >= EntryCommand(kMaxEntries))
        return std::nullopt;
    return static_cast<int>(id - kEntryCommandFirst);
}

MenuCommand DecodeMenuCommand(std::uint32_t wParam) {
    using Kind = MenuCommand::Kind;
    const std::uint32_t id = wParam & 0xFFFF;
    if (const std::optional<int> slot = EntrySlotOfCommand(id))
        return {Kind::Entry, *slot};
    switch (id) {
    case kCmdPathRecall:
        return {Kind::PathRecall};
    case kCmdOptions:
        return {Kind::Options};
    case kCmdExit:
        return {Kind::Exit};
    case kCmdHelp:
        return {Kind::Help};
    default:
        return {};
    }
}

} // namespace corvane
