#include "shell/file_icon.h"

namespace corvane {

void TFileIcon::Assign(const TFileIcon& source) {
    if (&source == this)
        return;
    FileName = source.FileName;
    IconIndex = source.IconIndex;
}

} // namespace corvane
