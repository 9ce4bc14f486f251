#pragma once
// Environment variables in the paths of an entry: "%USERPROFILE%\Tools\x.exe"
// is stored as typed and expanded each time it is used, with the environment
// of that moment.
#include "core/system_api.h"

#include <string>
#include <string_view>

namespace corvane {

// The text with each "%NAME%" of a variable that is set replaced by its
// value (an empty value takes the reference away), scanning from the left as
// the system does. A name that is not set, or empty ("%%"), keeps its first
// "%" and the name as written, and its closing "%" may open the next
// reference. A "%" without a closing one stays as written.
std::string ExpandVariables(SystemApi& system, std::string_view text);

} // namespace corvane
