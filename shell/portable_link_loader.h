#pragma once
// The loader for systems without the shell's shell-link object: our own
// reader of the shortcut format, with the failures the object would have.
#include "shell/ansi_code_page.h"
#include "shell/file_system_api.h"
#include "shell/link_loader.h"

namespace corvane {

// Shortcut files are small; a file is read no further than this.
inline constexpr std::size_t kMaxLinkFileBytes = 4 * 1024 * 1024;

class PortableLinkLoader : public LinkLoader {
public:
    PortableLinkLoader(FileSystemApi& files, const AnsiCodePage& codePage)
        : files_(files), codePage_(codePage) {}

    // ReadFailed for a path of more than 259 characters (it would not fit
    // the name buffer of the shell's object), for a file that cannot be read
    // and for one that is no shortcut. It never fails to "create" anything.
    LoadOutcome Load(const std::string& path, LinkValues& values) override;

private:
    FileSystemApi& files_;
    const AnsiCodePage& codePage_;
};

} // namespace corvane
