#pragma once
// What an entry may hold: one rule, kept by the editor's Add and Modify, by
// files dropped on the window and by Browse, and by the import of a settings
// file, so that every entry Corvane holds can be stored, started, exported and
// imported again.
#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// The longest description (the tray icon's tip) and the longest text a value
// of the store holds, in UTF-16 units.
inline constexpr std::size_t kToolTipMax = 64;
inline constexpr std::size_t kTextValueMax = 32767;

enum class EntryText { Path, IconPath, Parameters, Description };

enum class TextFault { None, TooLong, ControlCharacter };

// The longest text of the field in UTF-16 units. A path and an icon path are
// measured as a launch measures a path: without the double quotes it may be
// wrapped in.
std::size_t LongestText(EntryText field);

// U+0000 to U+001F and U+007F to U+009F: a line break, a tab, an escape...
bool IsControlCharacter(char32_t c);

// Why the text cannot be the field's, or TextFault::None. A path and an icon
// path name files, and no file name holds a control character; a description
// and parameters may hold any character Windows keeps in a text.
TextFault FaultOf(EntryText field, std::string_view text);

// A name the system gives (a file's display name, a shortcut's comment) as a
// description: cut to the longest one, never inside a character.
std::string AsDescription(std::string_view name);

} // namespace corvane
