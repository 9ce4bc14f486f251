#pragma once
// The one way an entry is started.
#include "core/entry.h"
#include "core/handles.h"
#include "core/shell_api.h"

namespace corvane {

// Opens the entry's Path (without the double quotes it may be wrapped in)
// with its Params in the folder of that file, owned by owner, with the given
// show command; does not wait and reads no result. An empty Path starts
// nothing.
void LaunchEntry(ShellApi& shell, WindowRef owner, const Entry& entry, int showCommand);

} // namespace corvane
