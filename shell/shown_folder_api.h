#pragma once
// Which folder an Explorer window shows, as the shell itself tells it.
#include "core/handles.h"

#include <optional>
#include <string>

namespace corvane {

class ShownFolderApi {
public:
    virtual ~ShownFolderApi() = default;

    // The file-system folder that the Explorer window shows. Nothing for a
    // virtual folder (This PC, Control Panel, a search), for a window the
    // shell does not list, and for a shell that does not answer in time.
    virtual std::optional<std::string> FolderShownBy(WindowRef window) = 0;
};

} // namespace corvane
