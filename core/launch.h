#pragma once
// The one way an entry is started.
#include "core/entry.h"
#include "core/handles.h"
#include "core/shell_api.h"
#include "core/system_api.h"

#include <cstddef>
#include <string_view>

namespace corvane {

// The longest path the shell opens, in UTF-16 units: its 260-character
// buffer less the terminating zero.
inline constexpr std::size_t kShellPathMax = 259;

// Whether the shell can open path (without the double quotes it may be
// wrapped in) whole.
bool PathFitsShell(std::string_view path);

// The file an entry's Path names as it is used now: without the double
// quotes it may be wrapped in, its environment variables expanded.
std::string FileToOpen(SystemApi& system, const Entry& entry);

// Opens the entry's Path (without the double quotes it may be wrapped in,
// its environment variables expanded as they are now: the length rule is
// the expanded path's) with its parameters in the folder of that file, owned by owner, with the
// given show command, as administrator when the entry asks for it; does not wait and reads no
// result. An empty Path starts nothing. A Path the shell cannot take whole is never cut, as a cut
// one may name another file: nothing starts and the result is false.
bool LaunchEntry(ShellApi& shell, SystemApi& system, WindowRef owner, const Entry& entry,
                 int showCommand);

} // namespace corvane
