#pragma once
// Which folder an Explorer window shows, asked of the shell's collection of
// its open windows (ShellWindows), with COM from ole32.dll loaded at the first
// question.
#include "core/win32/system_library.h"
#include "shell/shown_folder_api.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace corvane::win32 {

class ShellWindowsFolders : public ShownFolderApi {
public:
    // How the question is put to the shell, on the question's own thread: the
    // folder the window shows, or nothing.
    using Asker = std::optional<std::wstring> (*)(HWND window);
    // Through COM, of the shell's collection of Explorer windows.
    static std::optional<std::wstring> AskShellWindows(HWND window);

    // A hung Explorer would hold the question, and the caller's window, for
    // as long as it hangs: each question is waited for boundMilliseconds at
    // most.
    explicit ShellWindowsFolders(DWORD boundMilliseconds = 500, Asker ask = AskShellWindows)
        : bound_(boundMilliseconds), ask_(ask) {}

    // The question is asked on a thread of its own, in the multithreaded
    // apartment, which needs no message loop: the caller's thread only waits,
    // so none of its windows' messages run in the meantime, and it can stop
    // waiting when the bound is over. A question left unanswered then runs on
    // until the shell answers; until it has, no other is asked and every
    // window gives nothing at once, so a hung Explorer costs the bound once.
    std::optional<std::string> FolderShownBy(WindowRef window) override;

    struct Question;

private:
    DWORD bound_;
    Asker ask_;
    SystemLibrary ole32_{L"ole32.dll"};
    std::shared_ptr<Question> unanswered_;
};

} // namespace corvane::win32
