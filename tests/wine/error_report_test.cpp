// The general error report: an error that no handler caught is shown in a box
// captioned "Corvane Box", with its message and a full stop, and the program
// goes on.
#include "core/registry_accessor.h"
#include "ui/win32/window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace corvane::win32 {
namespace {

struct SeenBox {
    std::string caption;
    std::string text;
    bool errorIcon = false;
};

BOOL CALLBACK ReadStatic(HWND child, LPARAM data) {
    auto* seen = reinterpret_cast<SeenBox*>(data);
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") != 0)
        return TRUE;
    if (GetWindowLongA(child, GWL_STYLE) & SS_ICON) {
        seen->errorIcon = SendMessageA(child, STM_GETICON, 0, 0) != 0;
        return TRUE;
    }
    char text[512] = {};
    GetWindowTextA(child, text, sizeof text);
    if (text[0])
        seen->text = text;
    return TRUE;
}

// Waits for the message box on another thread, reads it and presses OK.
SeenBox AnswerBox(std::atomic<bool>& stop) {
    SeenBox seen;
    for (int i = 0; i < 500 && !stop; ++i) {
        HWND box = FindWindowA("#32770", "Corvane Box");
        if (box) {
            char caption[64] = {};
            GetWindowTextA(box, caption, sizeof caption);
            seen.caption = caption;
            EnumChildWindows(box, ReadStatic, reinterpret_cast<LPARAM>(&seen));
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return seen;
        }
        Sleep(20);
    }
    return seen;
}

TEST(ErrorReport, ShowsTheMessageWithAFullStopUnderTheApplicationTitleAndGoesOn) {
    std::atomic<bool> stop{false};
    SeenBox seen;
    std::thread watcher([&] { seen = AnswerBox(stop); });
    bool after = false;
    Guarded(nullptr, [] { throw ERegistryException("Failed to set data for 'Path'"); });
    after = true; // the caller goes on once the box is closed
    stop = true;
    watcher.join();
    EXPECT_TRUE(after);
    EXPECT_EQ(seen.caption, "Corvane Box");
    EXPECT_EQ(seen.text, "Failed to set data for 'Path'.");
    EXPECT_TRUE(seen.errorIcon);
}

TEST(ErrorReport, NothingIsShownWhenNothingFails) {
    int ran = 0;
    Guarded(nullptr, [&] { ++ran; });
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(FindWindowA("#32770", "Corvane Box"), nullptr);
}

} // namespace
} // namespace corvane::win32
