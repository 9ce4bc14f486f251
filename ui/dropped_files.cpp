#include "ui/dropped_files.h"

namespace corvane {

std::vector<std::string> DroppedNames(DropApi& drops, DropRef drop) {
    std::vector<std::string> names;
    const std::uint32_t count = drops.QueryFile(drop, kDropCountQuery, nullptr, 0);
    for (std::uint32_t k = 0; k < count; ++k) {
        // A buffer sized to the name: long names are read whole.
        const std::uint32_t length = drops.QueryFile(drop, k, nullptr, 0);
        std::string name(length + 1, '\0');
        name.resize(drops.QueryFile(drop, k, name.data(), length + 1));
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace corvane
