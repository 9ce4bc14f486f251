#pragma once
// One copy per user session, on Windows: a named mutex in the session's
// namespace is the guard (a window's title or class could be taken by any
// program); the running copy's options window is only how it is reached.
#include "app/first_copy.h"
#include "ui/win32/handles.h"

namespace corvane::win32 {

// "Local\" is the namespace of the user's session.
inline constexpr const char* kFirstCopyName = "Local\\Quennard.Corvane.3.0";

class Win32FirstCopy : public FirstCopyApi {
public:
    bool ClaimName() override;
    bool ShowRunningCopy() override;
    void Wait(unsigned milliseconds) override;

private:
    UniqueKernelHandle mutex_;
};

} // namespace corvane::win32
