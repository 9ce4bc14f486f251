#pragma once
// The one seam through which a shortcut file is loaded: the shell's own
// shell-link object.
#include <cstdint>
#include <string>

namespace corvane {

// The seven values that a load gives, as the shell-link object's wide
// getters return them into buffers of 260 UTF-16 units, in UTF-8: no text is
// longer than 259 units.
struct LinkValues {
    std::string description;
    std::string target;
    std::string workingDir;
    std::string arguments;
    std::int32_t showCmd = 0;
    std::uint16_t hotKey = 0;
    std::string iconFile;
    std::int32_t iconIndex = 0;
    bool operator==(const LinkValues&) const = default;
};

// Where a load stops. Only Loaded fills the values.
enum class LoadOutcome {
    Loaded,
    CreateFailed,      // the shell-link object cannot be created
    PersistFileFailed, // it has no file-loading interface
    ReadFailed,        // the file cannot be loaded (or its name cannot be converted)
};

// Text buffers of the load, terminator included.
inline constexpr std::size_t kLinkTextBuffer = 260;
inline constexpr std::size_t kLinkTextMax = kLinkTextBuffer - 1;

class LinkLoader {
public:
    virtual ~LinkLoader() = default;
    // Loads the shortcut at path. values is written only when the outcome is
    // Loaded; on any other outcome it is left as it was.
    virtual LoadOutcome Load(const std::string& path, LinkValues& values) = 0;
};

} // namespace corvane
