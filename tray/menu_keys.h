#pragma once
// Choosing an owner-drawn row of a menu by its first letter (WM_MENUCHAR),
// as the system chooses a plain item by the first letter of its text.
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// Ignore: the system's own answer; Execute: the row is chosen; Select: the
// row is lit.
enum class MenuCharAction { Ignore, Execute, Select };

struct MenuCharAnswer {
    MenuCharAction action = MenuCharAction::Ignore;
    // The row's position in the menu (for Execute and Select).
    std::uint32_t position = 0;
    bool operator==(const MenuCharAnswer&) const = default;
};

// The answer to the UTF-16 unit typed in a menu whose rows, by position,
// read rows (empty for a row the system reads itself), with the row at
// highlighted lit (-1: none). Letters match without regard to case. One row
// that begins with the letter is chosen; of several, the next one after the
// lit row is lit, round to the first; with none the key is ignored.
MenuCharAnswer ChooseRowByLetter(char16_t typed, const std::vector<std::string>& rows,
                                 int highlighted);

} // namespace corvane
