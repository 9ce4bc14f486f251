// Tray icons and file icons through the real shell, and the menu's owner-drawn rows on real GDI.
#include "core/win32/handle_refs.h"
#include "core/win32/system_win32.h"
#include "tray/menu_commands.h"
#include "tray/popup_menu.h"
#include "tray/win32/menu_painter_win32.h"
#include "tray/win32/menus_win32.h"
#include "tray/win32/tray_icons_win32.h"
#include "tray/win32/tray_window.h"

#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

namespace corvane::win32 {
namespace {

std::string InWindows(const std::string& name) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\" + name;
}

// Wine answers 0 for a missing file yet may leave junk in the icon field, and answers for the
// current folder when asked about "".
TEST(Win32FileIcons, AnExistingFileHasAnIconAndANameAndAMissingOneNone) {
    Win32FileIcons files;
    ScopedIcon icon = files.Icon(InWindows("notepad.exe"), IconSize::Small);
    EXPECT_TRUE(DestroyIcon(FromRef<HICON>(icon.release()))) << "a handle of a live icon";
    EXPECT_EQ(files.DisplayName(InWindows("notepad.exe")), "notepad.exe");
    for (const std::string& path : {InWindows("no such file.exe"), std::string()})
        EXPECT_EQ(std::tuple(files.Icon(path, IconSize::Large).get(),
                             files.ListIcon(path, IconSize::Small).get(), files.DisplayName(path)),
                  std::tuple(IconRef::None, IconRef::None, ""))
            << '"' << path << '"';
}

// The tray takes the full record: a new icon, a change of one it holds, and a removed one again.
// Its tip holds 127 units whole, and of a longer tip no half of a character.
TEST(Win32TrayIcons, ShowAddsAnIconNotShownAndChangesOneThatIsWithATipOf127Units) {
    HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    Win32TrayIcons tray;
    tray.SetOwner(ToRef<WindowRef>(owner));
    const std::string x(126, 'x'), pencil = "\xF0\x9F\x93\x9D"; // two units
    EXPECT_TRUE(tray.Show(7, InWindows("notepad.exe"), x + pencil) && tray.Show(7, "", "changed") &&
                tray.ShowProgramIcon(8, "Corvane 3.0"));
    tray.Remove(7);
    EXPECT_TRUE(tray.Show(7, "", "again"));
    tray.Remove(7), tray.Remove(8);
    DestroyWindow(owner);
    const NOTIFYICONDATAW whole = TrayIconRecord(owner, 7, nullptr, x + "y"),
                          cut = TrayIconRecord(owner, 7, nullptr, x + pencil);
    EXPECT_EQ(
        std::tuple(std::wstring(whole.szTip), std::wstring(cut.szTip), cut.cbSize),
        std::tuple(std::wstring(126, L'x') + L"y", std::wstring(126, L'x'), DWORD{sizeof cut}));
}

// The menus, keeping the last menu made: the rows' hwndItem.
struct RecordingMenus : Win32Menus {
    MenuRef made = MenuRef::None;
    MenuRef CreatePopupMenu() override { return made = Win32Menus::CreatePopupMenu(); }
};

// A 32-bit top-down DIB section filled with rgb (0xRRGGBB).
HBITMAP Dib(int width, int height, std::uint32_t rgb) {
    BITMAPINFO info{{sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::fill_n(static_cast<std::uint32_t*>(bits), width * height, rgb);
    return bitmap;
}

// An icon of module drawn at size over grey, or with size 0 a bitmap: its pixels, none when it
// does not load.
std::vector<std::uint32_t> Pixels(HMODULE module, const wchar_t* name, int size) {
    const HANDLE image = LoadImageW(module, name, size ? IMAGE_ICON : IMAGE_BITMAP, size, size, 0);
    BITMAP shape{0, size, size, 0, 0, 0, nullptr};
    if (!image || (!size && !GetObjectW(image, sizeof shape, &shape)))
        return {};
    HBITMAP canvas = Dib(shape.bmWidth, shape.bmHeight, 0x808080);
    HDC dc = CreateCompatibleDC(nullptr), source = CreateCompatibleDC(nullptr);
    SelectObject(dc, canvas), SelectObject(source, size ? nullptr : image);
    size ? DrawIconEx(dc, 0, 0, static_cast<HICON>(image), size, size, 0, nullptr, DI_NORMAL)
         : BitBlt(dc, 0, 0, shape.bmWidth, shape.bmHeight, source, 0, 0, SRCCOPY);
    std::vector<std::uint32_t> pixels(shape.bmWidth * shape.bmHeight);
    GetBitmapBits(canvas, static_cast<LONG>(pixels.size() * 4), pixels.data());
    DeleteDC(dc), DeleteDC(source), DeleteObject(canvas);
    size ? DestroyIcon(static_cast<HICON>(image)) : DeleteObject(image);
    return pixels;
}

// corvane.exe's icons (PNG-compressed) at every size and banners (STRIPE..., run-length encoded)
// load with the pixels of the same pictures uncompressed (make_resources.py --plain).
TEST(Resources, EveryPictureLoadsAsItsPlainDrawing) {
    HMODULE program = LoadLibraryExW(L"corvane.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE),
            plain = LoadLibraryExW(L"plain_pictures.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    for (const wchar_t* name :
         {L"MAINICON", L"BTN_TICK", L"BTN_DOOR", L"BTN_INFO", L"BTN_HELP", L"BTN_ADD",
          L"BTN_DELETE", L"BTN_MODIFY", L"STRIPE", L"STRIPE120", L"STRIPE144", L"STRIPE192"})
        for (int size : {0, 16, 20, 24, 32, 40, 48, 64}) {
            const std::vector<std::uint32_t> pixels = Pixels(program, name, size);
            EXPECT_TRUE(pixels == Pixels(plain, name, size) &&
                        pixels.empty() != ((size == 0) == (name[0] == L'S')))
                << name << " at " << size;
        }
}

struct MenuRows : TrayWindowEvents {
    PopupMenu* menu = nullptr;
    std::optional<RowPicture> OnDrawItem(const DrawnItem& item) override {
        return menu->Picture(item);
    }
};

// Rows that the tray window draws on real GDI in the colours of the look it reads again at each
// change: high contrast (Wine reports none: the facts say so) once SetSysColors has set such a
// palette, in its colours alone; then forced dark (Wine's uxtheme has no menu mode to set). Each
// drawn row points a screen reader to its name, in any script (the separator and the system's
// rows carry no data); a menu rebuilt leaves no record behind.
TEST(PopupMenuRows, DrawInTheColoursOfTheSystemsLookAndNameThemselvesToScreenReaders) {
    EntryTable table; // of files that are not there: the rows show no icon
    for (const char* name : {"Notepad", "\xD0\x91\xD0\xBB\xD0\xBE\xD0\xBA",
                             "Notes \xF0\x9F\x93\x9D", "3", "4", "5", "6", "7"})
        table.Append(Entry{"C:\\none.exe", "C:\\none.exe", "", name});
    RecordingMenus menus;
    Win32FileIcons fileIcons;
    Win32System system;
    PopupMenu menu(menus, fileIcons, system, table);
    menu.SetPopUp(true);
    menu.SetSmallIcons(true);
    menu.SetExplorerPath("C:\\none.exe");
    menu.AddBanner(96, OwnedBitmap(system, ToRef<BitmapRef>(Dib(20, 154, 0x00FF00))));
    menu.Rebuild(), menu.Rebuild();
    MenuRows rows;
    rows.menu = &menu;
    TrayWindow tray;
    ASSERT_TRUE(tray.Create());
    tray.Attach(&rows);
    ColourFacts facts{.build = 19041, .menuModeFound = true};
    tray.ReadColoursFrom([&] { return facts; });

    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldBitmap = SelectObject(dc, Dib(300, 220, 0x123456));
    const auto state = [dc] {
        return std::tuple(GetCurrentObject(dc, OBJ_FONT), GetCurrentObject(dc, OBJ_BRUSH),
                          GetCurrentObject(dc, OBJ_BITMAP), GetTextColor(dc), GetBkColor(dc));
    };
    const auto before = state();
    // On the unthemed menu's own colour: two entry rows, the lowest selected, and PathRecall.
    HMENU made = FromRef<HMENU>(menus.made);
    const auto ownMenu = reinterpret_cast<HWND>(made);
    const auto draw = [&] {
        const RECT all{0, 0, 300, 220};
        FillRect(dc, &all, GetSysColorBrush(COLOR_MENU));
        for (auto [command, top, itemState] : {std::tuple{EntryCommand(6), 132, 0u},
                                               {EntryCommand(7), 154, UINT(ODS_SELECTED)},
                                               {UINT(kCmdPathRecall), 176, 0u}}) {
            DRAWITEMSTRUCT row{ODT_MENU,  0,       command, ODA_DRAWENTIRE,
                               itemState, ownMenu, dc,      {0, top, 250, top + 22}};
            SendMessageW(tray.hwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&row));
        }
        return std::tuple(GetPixel(dc, 10, 10), GetPixel(dc, 10, 100), GetPixel(dc, 248, 157),
                          GetPixel(dc, 30, 140), GetPixel(dc, 248, 190));
    };
    std::vector<int> elements(COLOR_MENUBAR + 1);
    std::iota(elements.begin(), elements.end(), 0);
    std::vector<COLORREF> light, contrast(elements.size()); // black but for these two
    contrast[COLOR_MENUTEXT] = RGB(255, 255, 255), contrast[COLOR_HIGHLIGHT] = RGB(26, 235, 255);
    for (int element : elements)
        light.push_back(GetSysColor(element));
    facts.highContrast = true;
    ASSERT_TRUE(SetSysColors(elements.size(), elements.data(), contrast.data()));
    EXPECT_EQ(std::get<0>(draw()), GetSysColor(COLOR_HIGHLIGHT)) << "the band";
    int foreign = 0, bannerText = 0;
    for (int x = 0; x < 300; ++x)
        for (int y = 0; y < 220; ++y) {
            const COLORREF pixel = GetPixel(dc, x, y);
            foreign += std::count(contrast.begin(), contrast.end(), pixel) == 0;
            bannerText += x < 20 && y < 176 && pixel == GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
    SetSysColors(elements.size(), elements.data(), light.data());
    EXPECT_EQ(foreign, 0) << "pixels of colours the system's palette has not";
    EXPECT_GT(bannerText, 20) << "the program's name up the band";

    facts = {.build = 19041, .appsDark = true, .menuModeFound = true};
    SendMessageW(tray.hwnd(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
    EXPECT_EQ(draw(), std::tuple(RGB(0, 0, 255), RGB(0, 255, 0), RGB(0x41, 0x41, 0x41),
                                 RGB(0x2B, 0x2B, 0x2B), RGB(0x2B, 0x2B, 0x2B)));
    EXPECT_EQ(state(), before);
    DeleteObject(SelectObject(dc, oldBitmap));
    DeleteDC(dc);

    std::vector<std::wstring> read;
    for (UINT i = 0; i < UINT(GetMenuItemCount(made)); ++i) {
        MENUITEMINFOW item{.cbSize = sizeof item, .fMask = MIIM_DATA};
        GetMenuItemInfoW(made, i, TRUE, &item);
        if (const auto* info = reinterpret_cast<const MSAAMENUINFO*>(item.dwItemData);
            info && info->dwMSAASignature == MSAA_MENU_SIG &&
            info->cchWText == wcslen(info->pszWText))
            read.emplace_back(info->pszWText);
    }
    EXPECT_EQ(read, (std::vector<std::wstring>{L"Notepad", L"\x0411\x043B\x043E\x043A",
                                               L"Notes \U0001F4DD", L"3", L"4", L"5", L"6", L"7",
                                               L"PathRecaller"}));
    EXPECT_EQ(menus.SpokenNamesAlive(), read.size()) << "the first menu's records went with it";
}

// The look as the system tells it: a build of Windows, the user's apps' theme as the registry holds
// it (light without a value). Wine's uxtheme has no menu mode functions: none is called.
TEST(ColourFacts, AreTheSystemsAndAMissingMenuModeIsNeverCalled) {
    const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
    for (const DWORD light : {0u, 1u, 2u}) { // 2: no value
        light < 2 ? RegSetKeyValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme", REG_DWORD, &light,
                                    sizeof light)
                  : RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme");
        const ColourFacts facts = ReadColourFacts();
        EXPECT_EQ(std::tuple(facts.build >= 7601, facts.appsDark, facts.menuModeFound),
                  std::tuple(true, light == 0, false))
            << light; // Wine reports Windows 7 SP1 or later
    }
    EXPECT_FALSE(ApplyMenuMode({.menuMode = MenuMode::Dark}));
}

} // namespace
} // namespace corvane::win32
