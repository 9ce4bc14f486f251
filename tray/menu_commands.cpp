#include "tray/menu_commands.h"

namespace corvane {

MenuCommand DecodeMenuCommand(std::uint32_t wParam) {
    using Kind = MenuCommand::Kind;
    const std::uint32_t id = wParam & 0xFFFF;
    if (id < kEntryCommandEnd)
        return {Kind::Entry, static_cast<int>(id)};
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
