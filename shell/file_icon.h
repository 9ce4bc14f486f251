#pragma once
// TFileIcon: where a shortcut's icon lives, a file and an index within it.
#include <cstdint>
#include <string>

namespace corvane {

class TFileIcon {
public:
    // The file that holds the icon.
    std::string FileName;
    // The icon's index within that file.
    std::int32_t IconIndex = 0;

    // Copies both fields. Only another TFileIcon can be the source; the
    // signature turns any other source into a compile-time error.
    void Assign(const TFileIcon& source);
};

} // namespace corvane
