// The bare program of the resident-cost benchmark: the least a tray launcher
// does at start with its stored entries, written plainly on the Win32 API.
// It reads Corvane's settings key and its entry subkeys value by value, adds
// a tray icon for each entry, fills a list view of the entries and its image
// list in its (hidden) window, builds a pop-up menu with a row per entry, and
// then only pumps messages. WM_CLOSE ends it and takes its icons away.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>

namespace {

constexpr int kMaxEntries = 20;
constexpr UINT kTrayMessage = WM_USER + 13;
const char* const kKey = "SOFTWARE\\Quennard\\Corvane\\3.0";

template <typename Handle, auto Close> struct Closer {
    void operator()(Handle handle) const { Close(handle); }
};
using Key = std::unique_ptr<HKEY__, Closer<HKEY, &RegCloseKey>>;
using Icon = std::unique_ptr<HICON__, Closer<HICON, &DestroyIcon>>;
using Menu = std::unique_ptr<HMENU__, Closer<HMENU, &DestroyMenu>>;

struct Entry {
    char path[MAX_PATH], iconPath[MAX_PATH], params[MAX_PATH], tip[128];
    DWORD autoStart, startMode;
};

DWORD ReadNumber(HKEY key, const char* name) {
    DWORD value = 0, size = sizeof value;
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    return value;
}

// The stored text, which may or may not end in a zero.
void ReadText(HKEY key, const char* name, char* text, DWORD capacity) {
    DWORD size = capacity - 1;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) !=
        ERROR_SUCCESS)
        size = 0;
    text[size] = '\0';
}

Icon FileIcon(const char* path) {
    SHFILEINFOA info{};
    return Icon(SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_ICON) ? info.hIcon : nullptr);
}

NOTIFYICONDATAA TrayRecord(HWND window, UINT id) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = id;
    return record;
}

Entry entries[kMaxEntries];
int entryCount = 0;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        for (int i = 0; i < entryCount; ++i) {
            NOTIFYICONDATAA record = TrayRecord(window, static_cast<UINT>(i + 1));
            Shell_NotifyIconA(NIM_DELETE, &record);
        }
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA type{};
    type.lpfnWndProc = WindowProc;
    type.hInstance = instance;
    type.lpszClassName = "BareTray";
    RegisterClassA(&type);
    HWND window = CreateWindowExA(0, "BareTray", "Bare tray", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                  400, 300, nullptr, nullptr, instance, nullptr);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 380,
                                260, window, nullptr, instance, nullptr);
    LVCOLUMNA column{};
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4); // the list's own
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));

    HKEY opened = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened,
                    nullptr);
    const Key settings(opened);
    const DWORD stored = ReadNumber(settings.get(), "Icon Count");
    ReadNumber(settings.get(), "PopUpIt");
    ReadNumber(settings.get(), "SmallIcons");
    for (DWORD slot = 0; slot < stored && entryCount < kMaxEntries; ++slot) {
        const std::string name = std::string(kKey) + "\\Tool Box Icon  " + std::to_string(slot);
        if (RegOpenKeyExA(HKEY_CURRENT_USER, name.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
            break;
        const Key key(opened);
        Entry& entry = entries[entryCount];
        ReadText(key.get(), "Path", entry.path, sizeof entry.path);
        ReadText(key.get(), "Icon Path", entry.iconPath, sizeof entry.iconPath);
        ReadText(key.get(), "Params", entry.params, sizeof entry.params);
        ReadText(key.get(), "Tool Tip", entry.tip, sizeof entry.tip);
        entry.autoStart = ReadNumber(key.get(), "Auto Start");
        entry.startMode = ReadNumber(key.get(), "StartMode");

        NOTIFYICONDATAA record = TrayRecord(window, static_cast<UINT>(++entryCount));
        record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        record.uCallbackMessage = kTrayMessage;
        const Icon trayIcon = FileIcon(entry.iconPath);
        record.hIcon = trayIcon.get();
        lstrcpynA(record.szTip, entry.tip, 64);
        Shell_NotifyIconA(NIM_ADD, &record);

        const Icon rowIcon = FileIcon(entry.iconPath);
        LVITEMA row{};
        row.mask = LVIF_TEXT | LVIF_IMAGE;
        row.iItem = entryCount - 1;
        row.iImage = rowIcon ? ImageList_AddIcon(images, rowIcon.get()) : I_IMAGENONE;
        row.pszText = entry.tip;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
    }
    ReadNumber(settings.get(), "Single Click");
    ReadNumber(settings.get(), "Hide on Start");

    const Menu menu(CreatePopupMenu());
    for (int i = 0; i < entryCount; ++i)
        AppendMenuA(menu.get(), MF_STRING, static_cast<UINT_PTR>(i), entries[i].tip);
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    for (const char* command : {"PathRecall", "Options...", "Help", "Exit"})
        AppendMenuA(menu.get(), MF_STRING, 100, command);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
