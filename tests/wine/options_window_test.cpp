// The options window with real keys through its message loop; the open-file record, by a stand-in.
#include "core/win32/handle_refs.h"
#include "ui/win32/drops_win32.h"
#include "ui/win32/file_dialog_win32.h"
#include "ui/win32/options_window.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace corvane::win32 {
namespace {

// Keeps the menu commands, help requests and dropped names; releases a drop as the program does.
class MenuCommands : public OptionsWindowEvents {
public:
    std::vector<std::uint32_t> seen;
    int helps = 0;
    std::vector<std::string> dropped;
    Win32Drops drops;
    void OnMenuCommand(std::uint32_t wParam) override { seen.push_back(wParam); }
    void OnHelp() override { ++helps; }
    void OnFilesDropped(DropRef drop) override {
        const OwnedDrop owned(drops, drop);
        dropped = DroppedNames(drops, drop);
    }
};

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(application.Create());
        ASSERT_TRUE(options.Create(application));
        options.Attach(&events);
        general = FindWindowExA(options.hwnd(), nullptr, "CorvanePage", nullptr);
    }

    // app/win32/main.cpp's loop over the waiting messages: true when Esc's key-up was among them.
    bool RunWaitingMessages() {
        bool escape = false;
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
            escape = escape || (msg.message == WM_KEYUP && msg.wParam == VK_ESCAPE);
            if (options.PreTranslate(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return escape;
    }

    MenuCommands events; // outlives the window
    ApplicationWindow application;
    OptionsWindow options;
    HWND general = nullptr;
};

// IsDialogMessage makes Esc a WM_COMMAND(IDCANCEL = 2, lParam 0): the way the menu command of
// entry row 2 arrives. F1 in a field is "&Help".
TEST_F(OptionsWindowTest, EscInAFieldRunsNoMenuCommandF1RunsHelpAndAPostedCommandArrives) {
    ShowWindow(options.hwnd(), SW_SHOW);
    ASSERT_TRUE(SetForegroundWindow(options.hwnd()));
    for (const Ctl field : {Ctl::txtPath, Ctl::txtIconPath, Ctl::txtParameters, Ctl::txtToolTip}) {
        HWND edit = GetDlgItem(general, ControlId(field));
        SetFocus(edit);
        ASSERT_EQ(GetFocus(), edit);
        INPUT keys[4]{};
        for (int i = 0; i < 4; ++i)
            keys[i] = {
                INPUT_KEYBOARD,
                {.ki = {WORD(i < 2 ? VK_ESCAPE : VK_F1), 0, DWORD(i % 2 ? KEYEVENTF_KEYUP : 0)}}};
        ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
        EXPECT_TRUE(RunWaitingMessages()) << "the key went through the loop";
    }
    PostMessageA(options.hwnd(), WM_COMMAND, 2, 0); // as another program may
    RunWaitingMessages();
    EXPECT_EQ(std::tie(events.seen, events.helps), std::tuple(std::vector<std::uint32_t>{2}, 4));
}

TEST_F(OptionsWindowTest, TheListLeavesItsImagesToTheWindowObject) {
    const IconRef icon = ToRef<IconRef>(LoadIconA(nullptr, IDI_APPLICATION));
    options.AddListRow(0, "Notepad", icon);
    options.SetListRow(0, "Editor", icon);
    HWND list = FindWindowExA(general, nullptr, WC_LISTVIEWA, nullptr);
    HIMAGELIST images = ListView_GetImageList(list, LVSIL_SMALL);
    char text[16] = {};
    LVITEMA row{.mask = LVIF_TEXT | LVIF_IMAGE, .pszText = text, .cchTextMax = sizeof text};
    ASSERT_TRUE(SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&row)));
    // The changed row shows a new copy of its icon.
    EXPECT_EQ(std::tuple(std::string(text), row.iImage, ImageList_GetImageCount(images)),
              std::tuple("Editor", 1, 2));
    DestroyWindow(options.hwnd());
    EXPECT_EQ(ImageList_GetImageCount(images), 2) << "the list destroyed the images it borrowed";
}

// A drop as the shell makes it: DROPFILES, each ANSI name with its zero, one more zero.
HGLOBAL MakeDrop(const std::vector<std::string>& names) {
    const DROPFILES header{.pFiles = sizeof(DROPFILES)};
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& name : names)
        bytes += name + '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    std::memcpy(GlobalLock(memory), bytes.c_str(), bytes.size() + 1);
    GlobalUnlock(memory);
    return memory;
}

TEST_F(OptionsWindowTest, DroppedNamesReachTheProgramWholeAndEveryDropIsReleased) {
    EXPECT_TRUE(GetWindowLongA(options.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    const std::vector<std::string> names{"C:\\a.exe", "C:\\" + std::string(300, 'n') + ".txt",
                                         "D:\\b c\\d.lnk"};
    for (OptionsWindowEvents* program : std::vector<OptionsWindowEvents*>{&events, nullptr}) {
        options.Attach(program);
        HGLOBAL drop = MakeDrop(names);
        SendMessageA(options.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        EXPECT_EQ(GlobalFlags(drop), GMEM_INVALID_HANDLE) << "released, program " << program;
    }
    EXPECT_EQ(events.dropped, names);
}

using namespace std::string_literals;
using Text = std::optional<std::string>; // nothing for a null pointer

// Size, owner, flags, filter up to its double zero, filter index, name, title, default extension
// and initial folder as GetOpenFileNameA saw them.
using Record = std::tuple<DWORD, HWND, DWORD, std::string, DWORD, std::string, Text, Text, Text>;
Record seen;
std::optional<OpenFileChoice> answer; // nothing: the user cancels

BOOL WINAPI StandIn(OPENFILENAMEA* r) {
    const auto text = [](const char* s) {
        return s ? Text(s) : std::nullopt;
    };
    const char* end = r->lpstrFilter;
    while (end[0] || end[1])
        ++end;
    seen = Record(r->lStructSize, r->hwndOwner, r->Flags, std::string(r->lpstrFilter, end + 2),
                  r->nFilterIndex, r->lpstrFile, text(r->lpstrTitle), text(r->lpstrDefExt),
                  text(r->lpstrInitialDir));
    // The real dialog fails when the chosen name does not fit.
    if (!answer || answer->fileName.size() >= r->nMaxFile)
        return FALSE;
    std::strcpy(r->lpstrFile, answer->fileName.c_str());
    r->nFilterIndex = answer->filterIndex;
    return TRUE;
}

TEST(Win32FileDialogs, TheRecordCarriesTheRequestAndTheChoiceComesBack) {
    const struct {
        OpenFileRequest request;
        DWORD flags;
        std::string filter;
        Text folder;
        std::optional<OpenFileChoice> answer;
    } cases[] = {
        {{"Select an Executable", "Executables (*.exe)|*.exe|All Files (*.*)|*.*", "exe",
          "C:\\Apps\\", "tool.exe", 2, true},
         OFN_NODEREFERENCELINKS,
         "Executables (*.exe)\0*.exe\0All Files (*.*)\0*.*\0\0"s,
         "C:\\Apps\\",
         OpenFileChoice{"C:\\" + std::string(300, 'n') + ".exe", 1}},
        {{"Select an Icon File",
          "Icon Files (*.ico)|*.ico|Executables (*.exe)|*.exe|All Files (*.*)|*.*", "ico", "", "",
          1, false},
         0,
         "Icon Files (*.ico)\0*.ico\0Executables (*.exe)\0*.exe\0All Files (*.*)\0*.*\0\0"s,
         std::nullopt,
         std::nullopt}};
    HWND owner = GetDesktopWindow();
    Win32FileDialogs dialogs(&StandIn), system; // the system's dialog comes with the first one
    for (const auto& [request, flags, filter, folder, choice] : cases) {
        answer = choice;
        EXPECT_EQ(dialogs.ChooseFile(ToRef<WindowRef>(owner), request), choice) << request.title;
        EXPECT_EQ(seen, Record(sizeof(OPENFILENAMEA), owner, flags, filter, request.filterIndex,
                               request.fileName, request.title, request.defaultExtension, folder));
    }
    EXPECT_EQ(GetModuleHandleW(L"comdlg32.dll"), nullptr) << "loaded before any system dialog";
}

} // namespace
} // namespace corvane::win32
