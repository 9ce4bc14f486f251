// The options window on real windows: its layout, and FormView's promises.
#include "app/win32/system_win32.h"
#include "core/settings_store.h"
#include "core/win32/registry_win32.h"
#include "core/win32/shell_win32.h"
#include "tray/win32/menus_win32.h"
#include "tray/win32/shell_icons_win32.h"
#include "ui/win32/options_window.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

namespace corvane::win32 {
namespace {

class NoHook : public HookLibrary {
public:
    void Start(WindowRef) override {}
    void Stop() override { ++stops; }
    int stops = 0;
};

struct TextSearch {
    const char* text;
    HWND found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<TextSearch*>(data);
    char caption[256] = {};
    GetWindowTextA(child, caption, sizeof caption);
    if (lstrcmpA(caption, search->text) != 0)
        return TRUE;
    search->found = child;
    return FALSE;
}

BOOL CALLBACK MatchToolTipField(HWND child, LPARAM data) {
    if (GetDlgCtrlID(child) != 100 + static_cast<int>(Ctl::txtToolTip))
        return TRUE;
    *reinterpret_cast<HWND*>(data) = child;
    return FALSE;
}

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quennard");
        ASSERT_TRUE(application.Create());
        ASSERT_TRUE(options.Create(application));
        application.Attach(&options);
        form = std::make_unique<TForm1>(
            Platform{registry, shell, shellIcons, menus, options, system, hook});
        options.Attach(form.get());
    }
    void TearDown() override {
        options.Attach(nullptr);
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Quennard");
    }

    HWND Find(const char* text) {
        TextSearch search{text, nullptr};
        EnumChildWindows(options.hwnd(), MatchText, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    RECT RectInParent(HWND control) {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // Dispatches what is waiting; true when the message loop was told to end.
    bool Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return true;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return false;
    }

    Win32Registry registry;
    Win32Shell shell;
    Win32ShellIcons shellIcons;
    Win32Menus menus;
    Win32System system;
    NoHook hook;
    ApplicationWindow application;
    OptionsWindow options;
    std::unique_ptr<TForm1> form;
};

TEST_F(OptionsWindowTest, TheWindowHasItsCaptionSizePlaceAndNoCaptionButtons) {
    char caption[64] = {};
    GetWindowTextA(options.hwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Corvane 3.0 Options");
    RECT client{};
    GetClientRect(options.hwnd(), &client);
    EXPECT_EQ(client.right, 490);
    EXPECT_EQ(client.bottom, 367);
    RECT frame{};
    GetWindowRect(options.hwnd(), &frame);
    EXPECT_EQ(frame.left, 202);
    EXPECT_EQ(frame.top, 141);
    const LONG style = GetWindowLongA(options.hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetWindow(options.hwnd(), GW_OWNER), application.hwnd());
    GetWindowTextA(application.hwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Corvane Box");
}

TEST_F(OptionsWindowTest, ControlsStandWhereTheyBelongWithTheirCaptions) {
    struct Row {
        const char* caption;
        LONG x, y, width, height;
    };
    for (const Row& row :
         {Row{"Minimize", 9, 334, 81, 31}, Row{"&Quit", 293, 334, 81, 31},
          Row{"&About", 392, 334, 81, 31}, Row{"&Add", 382, 133, 78, 34},
          Row{"&Delete", 382, 173, 78, 34}, Row{"&Modify", 382, 213, 78, 34},
          Row{"&Help", 382, 253, 78, 34}, Row{"Auto Start", 260, 146, 97, 17},
          Row{"Hide on Startup", 8, 8, 134, 23}, Row{"Use Small Icons", 27, 76, 134, 17},
          Row{"Path:", 56, 15, 29, 15}, Row{"Description:", 211, 104, 68, 15}}) {
        HWND control = Find(row.caption);
        ASSERT_NE(control, nullptr) << row.caption;
        const RECT r = RectInParent(control);
        EXPECT_EQ(r.left, row.x) << row.caption;
        EXPECT_EQ(r.top, row.y) << row.caption;
        EXPECT_EQ(r.right - r.left, row.width) << row.caption;
        EXPECT_EQ(r.bottom - r.top, row.height) << row.caption;
    }
    EXPECT_NE(Find("Single Click Launch (instead of double clicking)"), nullptr);
    EXPECT_NE(Find("Corvane should put all of the icons on a pop menu (applies on next start)"),
              nullptr);
}

TEST_F(OptionsWindowTest, TheWindowStartsAsDesigned) {
    EXPECT_TRUE(options.Checked(Ctl::chkHide));
    EXPECT_TRUE(options.Checked(Ctl::cbSmallIcons));
    EXPECT_FALSE(options.Checked(Ctl::cbSingle));
    EXPECT_FALSE(options.Checked(Ctl::cbPopUp));
    EXPECT_FALSE(options.Enabled(Ctl::btnAdd));
    EXPECT_FALSE(options.Enabled(Ctl::btnDelete));
    EXPECT_FALSE(options.Enabled(Ctl::btnModify));
    EXPECT_TRUE(options.Enabled(Ctl::btnBrowse));
    EXPECT_EQ(options.ComboIndex(), -1);
    EXPECT_EQ(options.RowCount(), 0);
    EXPECT_EQ(options.SelectedRow(), -1);
}

TEST_F(OptionsWindowTest, NewPathTextRunsTheChangeHandlerButTheSameTextDoesNot) {
    options.SetText(Ctl::txtPath, "C:\\a.exe");
    EXPECT_TRUE(options.Enabled(Ctl::btnAdd)) << "the path change enabled Add";
    options.SetEnabled(Ctl::btnAdd, false);
    options.SetText(Ctl::txtPath, "C:\\a.exe");
    EXPECT_FALSE(options.Enabled(Ctl::btnAdd));
    EXPECT_EQ(options.Text(Ctl::txtPath), "C:\\a.exe");
}

TEST_F(OptionsWindowTest, SettingABoxDoesNotRunItsHandlerButAClickDoes) {
    options.SetChecked(Ctl::cbSingle, true);
    EXPECT_FALSE(form->SingleClick);
    SendMessageA(Find("Single Click Launch (instead of double clicking)"), BM_CLICK, 0, 0);
    EXPECT_FALSE(options.Checked(Ctl::cbSingle));
    EXPECT_TRUE(form->SingleClick) << "the click flips the flag";
}

TEST_F(OptionsWindowTest, TheDescriptionTakesAtMost64Characters) {
    HWND field = nullptr;
    EnumChildWindows(options.hwnd(), MatchToolTipField, reinterpret_cast<LPARAM>(&field));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(SendMessageA(field, EM_GETLIMITTEXT, 0, 0), 64);
}

TEST_F(OptionsWindowTest, ListRowsKeepTheirOrderAndSelection) {
    options.AddListRow(0, "First", IconRef::None);
    options.AddListRow(1, "Third", IconRef::None);
    options.AddListRow(1, "Second", IconRef::None);
    options.AppendListRowWithoutImage("Fourth");
    EXPECT_EQ(options.RowCount(), 4);
    options.SelectRow(2);
    EXPECT_EQ(options.SelectedRow(), 2);
    options.DeleteListRow(0);
    EXPECT_EQ(options.RowCount(), 3);
}

TEST_F(OptionsWindowTest, QuitClosesSavesAndEndsTheLoop) {
    form->FormCreate(); // a first run: defaults written
    form->Entries.Append(ListType{"C:\\x.exe", "", "", "X", false, 0, 0});
    SendMessageA(Find("&Quit"), BM_CLICK, 0, 0);
    EXPECT_TRUE(Pump()) << "the message loop ends";
    EXPECT_FALSE(IsWindow(options.hwnd()));
    EXPECT_EQ(hook.stops, 1) << "the window's destruction stops the hook";
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Quennard\\Corvane\\3.0\\Tool Box Icon  0",
                            0, KEY_READ, &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

} // namespace
} // namespace corvane::win32
