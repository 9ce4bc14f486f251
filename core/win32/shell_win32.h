#pragma once
// Opening files through the shell.
#include "core/shell_api.h"

namespace corvane::win32 {

class Win32Shell : public ShellApi {
public:
    void Execute(WindowRef owner, const char* verb, const char* file, const char* params,
                 const char* directory, int showCommand) override;
};

} // namespace corvane::win32
