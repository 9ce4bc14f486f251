#include "core/text.h"

namespace corvane {

std::string CutTo(std::string_view text, std::size_t max) {
    return std::string(text.substr(0, max));
}

std::string FolderPart(std::string_view path) {
    const std::size_t last = path.find_last_of("\\:");
    if (last == std::string_view::npos)
        return {};
    return std::string(path.substr(0, last + 1));
}

std::string FileNamePart(std::string_view path) {
    const std::size_t last = path.find_last_of("\\:");
    if (last == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(last + 1));
}

std::string UpToFirstZero(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

} // namespace corvane
