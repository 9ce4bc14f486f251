#pragma once
// The version the program shows in its captions and texts. The build gives it
// from the project's version (the top CMakeLists.txt), as it names the files
// it makes; the store's key and the first copy's name keep "3.0" whatever the
// version, so that an update finds the settings and the running copy.
#ifndef CORVANE_VERSION_TEXT
#error "The build defines CORVANE_VERSION_TEXT (the project version, e.g. \"3.0\")."
#endif

namespace corvane {

// "Corvane 3.0".
inline constexpr const char* kProductNameAndVersion = "Corvane " CORVANE_VERSION_TEXT;

} // namespace corvane
