#pragma once
// What the program asks of the shell when it opens a file.
#include "core/handles.h"

namespace corvane {

class ShellApi {
public:
    virtual ~ShellApi() = default;

    // Opens a file as ShellExecuteW does: verb null for the file's default
    // action; params and directory are never null. Returns without waiting,
    // and nobody reads the outcome.
    virtual void Execute(WindowRef owner, const char* verb, const char* file, const char* params,
                         const char* directory, int showCommand) = 0;
};

} // namespace corvane
