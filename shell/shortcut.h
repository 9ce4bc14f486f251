#pragma once
// A shortcut the user chose with Browse: the values the editor's fields take
// from it. It is only ever read, never written.
#include "shell/file_system_api.h"
#include "shell/link_loader.h"

#include <optional>
#include <string>

namespace corvane {

// The name a chosen file is read under as a shortcut: ".lnk" added unless its
// extension is already that (in any case of letters); empty when the file's
// name is nothing but ".lnk".
std::string ShortcutFileName(const std::string& chosen);

// The shortcut that chosen names, loaded through loader. Nothing when no file
// (a folder does not count) has that name, or when it cannot be loaded.
std::optional<LinkValues> ReadShortcut(LinkLoader& loader, FileSystemApi& files,
                                       const std::string& chosen);

} // namespace corvane
