#pragma once
// kestrel.dll as the program's hook library; bound when the program loads.
#include "core/system_api.h"

namespace corvane::win32 {

class KestrelHook : public HookLibrary {
public:
    void Start(WindowRef window) override;
    void Stop() override;
};

} // namespace corvane::win32
