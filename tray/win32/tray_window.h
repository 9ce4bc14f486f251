#pragma once
// The tray window: a hidden top-level window, made at the start and never
// shown, that owns the tray icons, the launches, the pop-up menu, the hot key
// and the hook library's reports. Every message other programs and the system
// send to the program comes here and goes on to the program through
// TrayWindowEvents. It is a tool window and no message-only window: the
// pop-up menu closes when the user clicks elsewhere only while its owner can
// be the foreground window.
#include "core/win32/colour_scheme_win32.h"
#include "core/win32/window.h"
#include "tray/tray_window_events.h"

#include <cstdint>
#include <functional>

namespace corvane::win32 {

class TrayWindow : public Window {
public:
    static constexpr const char* kClassName = "CorvaneTray";
    static constexpr UINT_PTR kStartupTimer = 1;
    static constexpr UINT_PTR kTrayRetryTimer = 2;
    // The identifier of the program's hot key.
    static constexpr int kHotKeyId = 1;

    TrayWindow() = default;
    ~TrayWindow() override { Destroy(); }

    // Makes the window, hidden, and starts the start-up timer.
    bool Create();
    void Attach(TrayWindowEvents* events) { events_ = events; }

    // The program's one global hot key (0: none); false when the system
    // refuses it: another program holds the key.
    bool RegisterHotKey(std::uint16_t hotKey);
    void UnregisterHotKey();
    void StopStartupTimer();
    void StartTrayRetryTimer(unsigned milliseconds);
    void StopTrayRetryTimer();
    // Destroys the window, which ends the message loop; from here on the end
    // of the session is no longer told.
    void End();
    // Where the system's look is read from (a test's own facts); read again at
    // once, as at every change of the system's colours or settings, which the
    // menu's rows, its mode and the thread's title bars follow.
    void ReadColoursFrom(std::function<ColourFacts()> read);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuChar(WPARAM wParam, LPARAM lParam);
    void FollowColours();
    // Runs a call into the program, if one is attached, guarded.
    template <typename Action> void Run(Action&& action) {
        if (events_)
            Guarded(hwnd(), [&] { action(*events_); });
    }

    TrayWindowEvents* events_ = nullptr;
    UINT taskbarCreated_ = 0;
    std::function<ColourFacts()> readColours_ = ReadColourFacts;
    ColourScheme colours_;
    bool ending_ = false;
};

} // namespace corvane::win32
