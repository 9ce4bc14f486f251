// The options window with real keys through its message loop; a long name through the file
// dialogs' record, by a stand-in.
#include "app/win32/first_copy_win32.h"
#include "core/win32/dpi_win32.h" // WM_DPICHANGED
#include "core/win32/handle_refs.h"
#include "core/win32/system_win32.h"
#include "core/win32/wide.h"
#include "tray/menu_commands.h"
#include "tray/win32/menus_win32.h"
#include "ui/win32/drops_win32.h"
#include "ui/win32/file_dialog_win32.h"
#include "ui/win32/options_window.h"
#include "wait_for.h"

#include <windows.h>
#include <commctrl.h>
#include <process.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace corvane::win32 {
namespace {

using Lines = std::vector<std::string>;

// Keeps the events of both windows (a list click with the row then selected, a DPI change with the
// list's image size then, an entry's launch) and the dropped names; releases a drop as the program
// does.
class Recorder : public OptionsWindowEvents, public TrayWindowEvents {
public:
    OptionsWindow* window = nullptr;
    HWND list = nullptr;
    Lines calls;
    std::vector<std::string> dropped;
    Win32Drops drops;
    void OnMenuCommand(std::uint32_t id) override {
        calls.push_back(DecodeMenuCommand(id).slot < 0 ? std::to_string(id) : "launch");
    }
    bool saveFails = false; // a save that fails reaches the general error report
    void OnMinimize() override {
        calls.push_back("minimize");
        if (saveFails)
            throw std::runtime_error("Not saved");
    }
    void OnDpiChanged() override {
        int size = 0;
        ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_SMALL), &size, &size);
        calls.push_back("dpi changed, images " + std::to_string(size));
    }
    void OnHelp() override { calls.push_back("help"); }
    void OnBrowse() override { calls.push_back("browse"); }
    void OnIconBrowse() override { calls.push_back("icon browse"); }
    void OnMoveUp() override { calls.push_back("up"); }
    void OnMoveDown() override { calls.push_back("down"); }
    void OnListClick() override { calls.push_back("row " + std::to_string(window->SelectedRow())); }
    int trayTicks = 0, trayStarts = 0;
    void OnTrayRetryTimer() override { ++trayTicks; }
    void OnTrayRestarted() override { ++trayStarts; }
    void OnHotKeyChanged() override { calls.push_back(std::to_string(window->HotKey())); }
    void OnHotKeyCleared() override { calls.push_back("cleared"); }
    void OnHotKey() override { calls.push_back("hot key pressed"); }
    void OnTrayNotify(std::uint32_t id, std::uint32_t mouse) override {
        calls.push_back("tray " + std::to_string(id) + " " + std::to_string(mouse));
    }
    void OnExplorerWindow(WindowRef window, std::intptr_t code) override {
        calls.push_back("explorer " + std::to_string(FromRef<HWND>(window) == list) + " " +
                        std::to_string(code));
    }
    void OnClose() override { calls.push_back("close"); }
    void OnEndSession() override { calls.push_back("session ends"); }
    void OnFilesDropped(DropRef drop) override {
        const OwnedDrop owned(drops, drop);
        dropped = DroppedNames(drops, drop);
    }
};

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tray.Create());
        options.MakeOptionsWindow(); // minimized, as at a start: restored and hidden here
        ShowWindow(options.hwnd(), SW_RESTORE), ShowWindow(options.hwnd(), SW_HIDE);
        tray.Attach(&events);
        options.Attach(&events);
        events.window = &options;
        general = FindWindowExA(options.hwnd(), nullptr, "CorvanePage", nullptr);
        events.list = list = FindWindowExA(general, nullptr, WC_LISTVIEWA, nullptr);
    }

    // app/win32/main.cpp's loop over the waiting messages.
    void RunWaitingMessages() {
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
            if (options.PreTranslate(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    // Presses key, with another held around it if one is given, and runs the loop.
    void Tap(WORD key, WORD held = 0) {
        // With its scan code, which the hot-key control reads.
        const WORD hs = WORD(MapVirtualKeyA(held, 0)), ks = WORD(MapVirtualKeyA(key, 0));
        INPUT input[] = {{INPUT_KEYBOARD, {.ki = {held, hs}}},
                         {INPUT_KEYBOARD, {.ki = {key, ks}}},
                         {INPUT_KEYBOARD, {.ki = {key, ks, KEYEVENTF_KEYUP}}},
                         {INPUT_KEYBOARD, {.ki = {held, hs, KEYEVENTF_KEYUP}}}};
        SendInput(held ? 4 : 2, held ? input : input + 1, sizeof(INPUT));
        RunWaitingMessages();
    }

    Recorder events; // outlives the windows
    TrayWindow tray;
    OptionsWindow options{tray};
    HWND general = nullptr, list = nullptr;
};

// However the list's selection moves, the program hears of it as of a click. Alt with a letter
// presses the one control whose caption marks it. Esc and Ctrl+Break in a field come as a menu
// command does, WM_COMMAND(IDCANCEL = 2, lParam 0), which the options window runs nothing for;
// Enter is the default button's click. F1 is "&Help". Alt+Down and Alt+Up in the list move its
// entry.
TEST_F(OptionsWindowTest, EachKeyAndClickReachesTheOneControlItNamesAndEveryNewSelectionIsTold) {
    for (const char* tip : {"Mail", "Editor", "Notes"})
        options.AddListRow(ListView_GetItemCount(list), tip, IconRef::None);
    ShowWindow(options.hwnd(), SW_SHOW);
    ASSERT_TRUE(SetForegroundWindow(options.hwnd()));
    options.SelectRow(0);
    SetFocus(list);
    const std::pair<WORD, WORD> keys[] = {{VK_DOWN, 0},   {VK_END, 0},        {VK_HOME, 0},
                                          {'E', 0},       {VK_DOWN, VK_MENU}, {VK_UP, VK_MENU},
                                          {'B', VK_MENU}, {'B', VK_MENU},     {'O', VK_MENU}};
    for (const auto& [key, held] : keys)
        Tap(key, held);
    SetFocus(GetDlgItem(general, ControlId(Ctl::PathField)));
    Tap(VK_ESCAPE), Tap(VK_CANCEL, VK_CONTROL), Tap(VK_RETURN), Tap(VK_F1);
    POINT at{};
    ListView_GetItemPosition(list, 2, &at);
    ClientToScreen(list, &at);
    SetCursorPos(at.x + 10, at.y + 5);
    INPUT rightClick[] = {{INPUT_MOUSE, {.mi = {.dwFlags = MOUSEEVENTF_RIGHTDOWN}}},
                          {INPUT_MOUSE, {.mi = {.dwFlags = MOUSEEVENTF_RIGHTUP}}}};
    SendInput(2, rightClick, sizeof(INPUT));
    RunWaitingMessages();
    EXPECT_EQ(events.calls,
              (Lines{"row 0", "row 1", "row 2", "row 0", "row 1", "down", "up", "browse", "browse",
                     "icon browse", "minimize", "help", "row 2"}));
}

// From the notebook's tabs, where the window starts, Tab goes through the shown page line by line
// from the top, each line from the left, then the buttons below, and back, reaching every control
// the user acts on. Each box and the list come right after the label a screen reader names them
// by (Wine's oleacc names no control). Alt with a letter presses one control at most. The arrow on
// the tabs turns the page.
TEST_F(OptionsWindowTest, TabGoesInReadingOrderAndEachBoxComesRightAfterItsLabel) {
    for (const Ctl button : {Ctl::AddButton, Ctl::DeleteButton, Ctl::ModifyButton})
        options.SetEnabled(button, true);
    ShowWindow(options.hwnd(), SW_SHOW);
    ASSERT_TRUE(SetForegroundWindow(options.hwnd()));
    HWND tabs = FindWindowExA(options.hwnd(), nullptr, WC_TABCONTROLA, nullptr);
    EXPECT_EQ(GetFocus(), tabs);
    const auto above = [](const RECT& a, const RECT& b) {
        return (a.top + a.bottom) / 2 < b.top;
    };
    Lines labels;
    for (int page = 0; page < 2; ++page, SetFocus(tabs), Tap(VK_RIGHT)) {
        std::vector<RECT> places; // the tabs by their first tab
        std::string marked;       // the letters that Alt presses a control with
        for (HWND at = tabs; places.empty() || (at != tabs && places.size() < 50);
             at = GetNextDlgTabItem(options.hwnd(), at, FALSE)) {
            RECT& place = places.emplace_back();
            at == tabs ? TabCtrl_GetItemRect(tabs, 0, &place) : GetClientRect(at, &place);
            MapWindowPoints(at, HWND_DESKTOP, reinterpret_cast<POINT*>(&place), 2);
            char kind[32] = {}, label[64] = {}, text[64] = {};
            GetClassNameA(at, kind, 32), GetWindowTextA(at, text, 64);
            if (const char* mark = std::strchr(text, '&'))
                marked += char(std::tolower(mark[1]));
            if (std::strstr("Edit SysListView32 ComboBox msctls_hotkey32", kind))
                GetWindowTextA(GetWindow(at, GW_HWNDPREV), label, 64), labels.push_back(label);
        }
        // The tabs, the page's boxes, list and buttons, the three below; no letter twice.
        EXPECT_EQ(places.size(), page ? 11u : 20u);
        EXPECT_EQ(std::set<char>(marked.begin(), marked.end()).size(), marked.size()) << marked;
        for (std::size_t i = 0; i < places.size(); ++i)
            for (std::size_t j = i + 1; j < places.size(); ++j)
                EXPECT_TRUE(above(places[i], places[j]) ||
                            (!above(places[j], places[i]) && places[i].left < places[j].left))
                    << "stop " << j << " comes before stop " << i << " on page " << page;
    }
    EXPECT_EQ(labels, (Lines{"Path:", "Icon Path:", "Parameters:", "Description:", "Entries:",
                             "Start-Mode", "Hot key for the menu:"}));
}

// What the shell, the hook library, the session, an installer and a second copy send reaches the
// program at the tray window, by the numbers other programs know.
TEST_F(OptionsWindowTest, TheTimersTheShellTheHookASecondCopyAndTheSessionReachTheTrayWindow) {
    options.StartTrayRetryTimer(50);
    EXPECT_TRUE(WaitFor("two ticks", [&] { return RunWaitingMessages(), events.trayTicks >= 2; }));
    options.StopTrayRetryTimer();
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    Win32FirstCopy first, second;
    ASSERT_TRUE(first.ClaimName());
    EXPECT_FALSE(RunAsFirstCopy(second));
    EXPECT_TRUE(WaitFor("the second copy's request, posted last",
                        [&] { return RunWaitingMessages(), !events.calls.empty(); }));
    SendMessageA(tray.hwnd(), WM_USER + 13, 1000, WM_RBUTTONUP);
    SendMessageA(tray.hwnd(), WM_USER + 1, WPARAM(list), 4);
    SendMessageA(tray.hwnd(), WM_ENDSESSION, TRUE, 0);
    SendMessageA(tray.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(std::tuple(events.trayTicks, events.trayStarts, events.calls),
              std::tuple(2, 1,
                         Lines{std::to_string(kCmdOptions), "tray 1000 517", "explorer 1 4",
                               "session ends", "close"}));
}

// Typed in its control, the hot key is told; refused while another program (probe.exe) holds it,
// registered it reaches the program from anywhere. Backspace and Delete clear it; a modifier let
// go alone only tells a change with no key.
TEST_F(OptionsWindowTest, TheHotKeyIsToldClearedAndOnceRegisteredPressedAndShiftIsSeenAsItIs) {
    HWND page = FindWindowExA(options.hwnd(), general, "CorvanePage", nullptr);
    ShowWindow(options.hwnd(), SW_SHOW);
    ASSERT_TRUE(SetForegroundWindow(options.hwnd()));
    SetFocus(GetDlgItem(page, ControlId(Ctl::HotKeyField)));
    Tap('K', VK_CONTROL);
    ASSERT_EQ(events.calls.back(), std::to_string(HOTKEYF_CONTROL << 8 | 'K')) << "told";
    const auto probe = reinterpret_cast<HANDLE>( // Ctrl (MOD_CONTROL) and K
        _spawnl(_P_NOWAIT, "probe.exe", "probe.exe", "--hot-key", "2", "75", nullptr));
    ASSERT_NE(probe, INVALID_HANDLE_VALUE) << "probe.exe, beside this program";
    EXPECT_EQ(WaitForInputIdle(probe, 20000), 0u) << "waited 20 s for the probe to hold the key";
    EXPECT_FALSE(options.RegisterHotKey(options.HotKey()));
    TerminateProcess(probe, 0);
    CloseHandle(probe);
    ASSERT_TRUE(
        WaitFor("the key let go", [&] { return options.RegisterHotKey(options.HotKey()); }));
    events.calls.clear(); // Wine's control shows no key while Ctrl is down
    for (const WORD key : {VK_CONTROL, VK_BACK, VK_DELETE})
        Tap(key);
    EXPECT_EQ(events.calls, (Lines{"0", "0", "cleared", "cleared"}));
    events.calls.clear(), SetFocus(list);
    Tap('K', VK_CONTROL);
    options.UnregisterHotKey();
    Tap('K', VK_CONTROL);
    EXPECT_EQ(events.calls, Lines{"hot key pressed"}) << "once, while registered";
    // Shift as the keyboard holds it while its key messages wait unread. (Wine brings a thread's
    // key state up to the keyboard's when none waits, and Shift to X's when a window gains focus.)
    for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
        INPUT shift{INPUT_KEYBOARD, {.ki = {VK_SHIFT, WORD(MapVirtualKeyA(VK_SHIFT, 0)), up}}};
        SendInput(1, &shift, sizeof shift);
        EXPECT_EQ(Win32System().ShiftIsDown(), up == 0) << (up ? "let go" : "pressed");
        RunWaitingMessages();
    }
}

// One image for each row that shows one, in its place: replaced when the row changes, removed
// with the row or its icon, the later rows following. The window object owns the images. After a
// DPI change (sent by hand: Wine has one DPI) they have its size before the program is told.
TEST_F(OptionsWindowTest, TheListKeepsOneImagePerRowAtItsDpisSizeAndLeavesThemToTheWindowObject) {
    RECT suggested{0, 0, 700, 560};
    SendMessageA(options.hwnd(), kWmDpiChanged, MAKEWPARAM(144, 144), LPARAM(&suggested));
    EXPECT_EQ(events.calls, Lines{"dpi changed, images 24"}) << "16 at 96 DPI";
    const IconRef icon = ToRef<IconRef>(LoadIconA(nullptr, IDI_APPLICATION));
    HIMAGELIST images = ListView_GetImageList(list, LVSIL_SMALL);
    const auto rows = [&] { // each row's text and image, then the number of images
        Lines shown;
        for (int i = 0; i < ListView_GetItemCount(list); ++i) {
            wchar_t text[16] = {};
            LVITEMW row{LVIF_TEXT | LVIF_IMAGE, i, 0, 0, 0, text, 16};
            SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&row));
            shown.push_back(Narrow(text) + " " + std::to_string(row.iImage));
        }
        return shown.push_back(std::to_string(ImageList_GetImageCount(images))), shown;
    };
    for (int round = 0; round < 1000; ++round) {
        options.AddListRow(0, "Gone", icon);
        options.DeleteListRow(0);
    }
    EXPECT_EQ(rows(), Lines{"0"});
    for (const char* tip : {"A", "B", "C"})
        options.AddListRow(ListView_GetItemCount(list), tip, *tip == 'B' ? IconRef::None : icon);
    options.SetListRow(0, "Mail", icon);
    options.SetListRow(1, "\xE6\x97\xA5 \xF0\x9F\x98\x80", icon);
    EXPECT_EQ(rows(), (Lines{"Mail 0", "\xE6\x97\xA5 \xF0\x9F\x98\x80 2", "C 1", "3"}));
    options.SetListRow(0, "Mail", IconRef::None);
    options.DeleteListRow(2);
    EXPECT_EQ(rows(), (Lines{"Mail -2", "\xE6\x97\xA5 \xF0\x9F\x98\x80 0", "1"}));
    DestroyWindow(options.hwnd());
    EXPECT_EQ(ImageList_GetImageCount(images), 1) << "the list destroyed the images it borrowed";
}

// A drop as the shell makes it: DROPFILES, each UTF-16 name with its zero, one more zero.
HGLOBAL MakeDrop(const std::vector<std::string>& names) {
    const DROPFILES header{.pFiles = sizeof(DROPFILES), .fWide = TRUE};
    std::wstring text;
    for (const std::string& name : names)
        text += Wide(name) + L'\0';
    const std::size_t size = text.size() * sizeof(wchar_t) + sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof header + size);
    auto* bytes = static_cast<char*>(GlobalLock(memory));
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, text.c_str(), size);
    GlobalUnlock(memory);
    return memory;
}

// The box once up: caption, owner, whether the window is enabled; then a drop on it, Yes or OK.
std::tuple<std::string, HWND, bool> seenBox;
void CALLBACK AnswerBox(HWND window, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowA("#32770", nullptr);
    char caption[64] = {};
    if (!box || !GetWindowTextA(box, caption, 64) || !KillTimer(window, timer))
        return;
    seenBox = std::tuple(caption, GetWindow(box, GW_OWNER), IsWindowEnabled(window) != FALSE);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({"C:\\a.exe"})), 0);
    SendMessageW(box, WM_COMMAND, GetDlgItem(box, IDYES) ? IDYES : IDOK, 0);
}

// Dropped names reach the program whole, and every drop is released; none while a box is up. The
// box is owned by the window that shows; for a hidden or minimized one it stands alone (task bar).
TEST_F(OptionsWindowTest, DropsReachTheProgramWholeButNoInputDoesWhileAMessageBoxIsUp) {
    RunWaitingMessages(); // and the WM_QUIT of an earlier test's window, on which a box would end
    events.saveFails = true;
    for (const int show : {SW_SHOW, SW_HIDE, SW_SHOWMINNOACTIVE}) {
        ShowWindow(options.hwnd(), show);
        SetTimer(options.hwnd(), 9, 50, AnswerBox);
        if (show == SW_SHOW)
            options.ShowMessage("Not found", "Error");
        else if (show == SW_HIDE)
            EXPECT_TRUE(options.AskYesNo("Replace?", kApplicationTitle));
        else // the general error report of an event that failed
            SendMessageW(options.hwnd(), WM_COMMAND, ControlId(Ctl::MinimizeButton), // BN_CLICKED
                         LPARAM(GetDlgItem(options.hwnd(), ControlId(Ctl::MinimizeButton))));
        EXPECT_EQ(seenBox, std::tuple(show == SW_SHOW ? "Error" : kApplicationTitle,
                                      show == SW_SHOW ? options.hwnd() : nullptr, false));
        EXPECT_TRUE(IsWindowEnabled(options.hwnd())) << "again once it closed";
    }
    EXPECT_TRUE(events.dropped.empty());
    EXPECT_TRUE(GetWindowLongA(options.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "takes drops";
    const std::vector<std::string> names{"C:\\a.exe", "C:\\" + std::string(300, 'n') + ".txt",
                                         "D:\\b c\\d.lnk",
                                         "C:\\\xD0\xAE \xE6\x97\xA5\\\xF0\x9F\x98\x80.exe"};
    for (OptionsWindowEvents* program : std::vector<OptionsWindowEvents*>{&events, nullptr}) {
        options.Attach(program);
        HGLOBAL drop = MakeDrop(names);
        SendMessageA(options.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        EXPECT_EQ(GlobalFlags(drop), GMEM_INVALID_HANDLE) << "released, program " << program;
    }
    EXPECT_EQ(events.dropped, names);
}

// The chosen name as the real dialog gives it back: whole, or a failure when it does not fit.
std::optional<OpenFileChoice> answer;
BOOL WINAPI StandIn(OPENFILENAMEW* record) {
    const std::wstring chosen = Wide(answer->fileName);
    if (chosen.size() >= record->nMaxFile)
        return FALSE;
    lstrcpyW(record->lpstrFile, chosen.c_str());
    record->nFilterIndex = answer->filterIndex;
    return TRUE;
}

// However long, a chosen name comes back whole. (The system's own dialogs are run end to end.)
TEST(Win32FileDialogs, ALongNameComesBackWholeAndNoDialogIsLoadedBeforeOneOpens) {
    answer = OpenFileChoice{"C:\\\xD0\xAE\\" + std::string(300, 'n') + ".exe", 2};
    Win32FileDialogs dialogs(&StandIn), system; // the system's dialog comes with the first one
    EXPECT_EQ(dialogs.ChooseFile(ToRef<WindowRef>(GetDesktopWindow()), {"Select an Executable"}),
              answer);
    EXPECT_EQ(GetModuleHandleW(L"comdlg32.dll"), nullptr) << "loaded before any system dialog";
}

} // namespace
} // namespace corvane::win32
