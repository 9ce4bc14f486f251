#pragma once
// The loader on Windows: the shell's own shell-link object, through COM, from
// ole32.dll loaded at the first load.
#include "core/win32/system_library.h"
#include "shell/link_loader.h"

namespace corvane::win32 {

class ComLinkLoader : public LinkLoader {
public:
    // Starts COM on the thread, creates the shell-link object, loads the file
    // read-only and reads the seven values into 260-character buffers, then
    // releases everything and ends COM again. A path that does not fit the
    // 260-character name buffer is never loaded; without ole32.dll no file
    // is (ReadFailed).
    LoadOutcome Load(const std::string& path, LinkValues& values) override;

private:
    SystemLibrary ole32_{L"ole32.dll"};
};

} // namespace corvane::win32
