#include "core/environment.h"

namespace corvane {

std::string ExpandVariables(SystemApi& system, std::string_view text) {
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('%', at);
        const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos)
            break;
        out.append(text, at, open - at);
        const std::string name(text.substr(open + 1, close - open - 1));
        const std::optional<std::string> value =
            name.empty() ? std::nullopt : system.EnvironmentVariable(name);
        if (value) {
            out += *value;
            at = close + 1;
        } else {
            // Kept as written; the closing "%" is looked at again.
            out.append(text, open, close - open);
            at = close;
        }
    }
    out.append(text, at);
    return out;
}

} // namespace corvane
