// wintool.exe: the end-to-end tests' hands and eyes inside Wine.
//
// A console program; every command prints one JSON document on stdout and
// exits 0, or prints {"error": "..."} and exits 1.
//
//   reg-dump KEY            values and subkeys under HKCU\KEY, recursively:
//                           {"exists":true,"values":{NAME:{"type":1,"size":6,
//                            "hex":"610062006300","str":"abc"}},"subkeys":{...}}
//                           The data is shown as the registry holds it, read
//                           with the wide API: text as UTF-16, so whether a
//                           writer stored a terminating zero shows in "size"
//                           (the ANSI API would add one on reading). "str" for
//                           REG_SZ/REG_EXPAND_SZ up to the first zero character,
//                           "dword" for a 4-byte REG_DWORD.
//   reg-delete KEY          removes HKCU\KEY with everything under it
//   reg-load KEY FILE|-     replaces HKCU\KEY by the tree in FILE (or stdin), in
//                           the shape reg-dump prints; only "type" and "hex" of a
//                           value are used, so data is laid out byte for byte
//   windows                 top-level windows in z-order, topmost first
//   children HWND           every descendant window, with screen rectangles
//   post HWND MSG WP LP     PostMessageA
//   send HWND MSG WP LP     SendMessageTimeoutA (5 s)
//   tab-rect HWND INDEX     screen rectangle of a tab control's item (read from
//                           the control's own process)
//   hold                    joins the desktop and waits until stdin closes, so
//                           that the desktop and the Wine server stay up
//   titled-window TITLE     shows a top-level window titled TITLE, brings it to
//                           the front, prints {"hwnd":N}, keeps it until stdin
//                           closes, then prints {"ok":true}
//   front HWND              SetForegroundWindow; answers the foreground window
//   tray-delete HWND ID     Shell_NotifyIconA(NIM_DELETE) of another program's
//                           tray icon, as a tray that has restarted has forgotten
//                           it
//   broadcast-taskbar-created
//                           sends "TaskbarCreated" to every top-level window,
//                           as a tray does when it (re)starts; returns when each
//                           has handled it
//   colors                  the system colours of menus and of selected rows
//
// Numbers may be decimal or 0x-prefixed hexadecimal. Names and text are
// UTF-8 in JSON and on the command line's key paths (ASCII in practice).
#include "tests/e2e/json_text.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// --- text -------------------------------------------------------------------

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string Utf8(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::string Quote(const std::string& utf8) {
    return corvane::e2e::JsonQuote(utf8);
}

std::string Quote(const std::wstring& wide) {
    return Quote(Utf8(wide));
}

std::string Hex(const unsigned char* data, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}

std::vector<unsigned char> Unhex(const std::string& text) {
    auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        throw std::runtime_error("bad hex digit");
    };
    if (text.size() % 2)
        throw std::runtime_error("odd hex length");
    std::vector<unsigned char> out;
    for (std::size_t i = 0; i < text.size(); i += 2)
        out.push_back(static_cast<unsigned char>(nibble(text[i]) * 16 + nibble(text[i + 1])));
    return out;
}

unsigned long Number(const char* text) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 0);
    if (!end || *end)
        throw std::runtime_error(std::string("not a number: ") + text);
    return value;
}

// --- a small JSON reader, enough for reg-load's input -------------------------

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    double number = 0;
    std::string text; // UTF-8
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;

    const Json* Find(const std::string& name) const {
        for (const auto& member : members)
            if (member.first == name)
                return &member.second;
        return nullptr;
    }
};

class JsonReader {
public:
    explicit JsonReader(const std::string& text) : text_(text) {}

    Json Document() {
        Json value = Value();
        Space();
        if (at_ != text_.size())
            Fail("trailing characters");
        return value;
    }

private:
    [[noreturn]] void Fail(const char* what) {
        throw std::runtime_error(std::string("json: ") + what + " at " + std::to_string(at_));
    }
    void Space() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\r' || text_[at_] == '\n'))
            ++at_;
    }
    bool Take(char c) {
        Space();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    void Expect(char c) {
        if (!Take(c))
            Fail("unexpected character");
    }
    bool Word(const char* word) {
        const std::string w(word);
        if (text_.compare(at_, w.size(), w) == 0) {
            at_ += w.size();
            return true;
        }
        return false;
    }

    Json Value() {
        Space();
        if (at_ >= text_.size())
            Fail("unexpected end");
        Json value;
        const char c = text_[at_];
        if (c == '{') {
            ++at_;
            value.kind = Json::Object;
            if (Take('}'))
                return value;
            do {
                Space();
                std::string name = StringBody();
                Expect(':');
                value.members.emplace_back(std::move(name), Value());
            } while (Take(','));
            Expect('}');
        } else if (c == '[') {
            ++at_;
            value.kind = Json::Array;
            if (Take(']'))
                return value;
            do
                value.items.push_back(Value());
            while (Take(','));
            Expect(']');
        } else if (c == '"') {
            value.kind = Json::String;
            value.text = StringBody();
        } else if (Word("true")) {
            value.kind = Json::Bool;
            value.number = 1;
        } else if (Word("false")) {
            value.kind = Json::Bool;
        } else if (Word("null")) {
        } else {
            char* end = nullptr;
            value.kind = Json::Number;
            value.number = std::strtod(text_.c_str() + at_, &end);
            if (end == text_.c_str() + at_)
                Fail("bad value");
            at_ = static_cast<std::size_t>(end - text_.c_str());
        }
        return value;
    }

    std::string StringBody() {
        if (at_ >= text_.size() || text_[at_] != '"')
            Fail("string expected");
        ++at_;
        std::string out;
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size())
                Fail("bad escape");
            c = text_[at_++];
            switch (c) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u': {
                if (at_ + 4 > text_.size())
                    Fail("bad escape");
                const unsigned code = std::stoul(text_.substr(at_, 4), nullptr, 16);
                at_ += 4;
                if (code >= 0xD800 && code < 0xE000)
                    Fail("surrogates are not supported");
                wchar_t wide = static_cast<wchar_t>(code);
                char utf8[8];
                const int n = WideCharToMultiByte(CP_UTF8, 0, &wide, 1, utf8, 8, nullptr, nullptr);
                out.append(utf8, static_cast<std::size_t>(n));
                break;
            }
            default:
                out += c;
            }
        }
        if (at_ >= text_.size())
            Fail("unterminated string");
        ++at_;
        return out;
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

// --- registry -----------------------------------------------------------------

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

UniqueKey OpenKey(HKEY parent, const std::wstring& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return nullptr;
    return UniqueKey(key);
}

UniqueKey CreateKey(HKEY parent, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create key " + Utf8(path));
    return UniqueKey(key);
}

std::vector<std::wstring> SubkeyNames(HKEY key) {
    std::vector<std::wstring> names;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD size = 256;
        if (RegEnumKeyExW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, size);
    }
    return names;
}

std::string DumpKey(HKEY key) {
    std::string out = "{\"exists\":true,\"values\":{";
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameSize = 16384;
        DWORD type = 0;
        DWORD dataSize = 0;
        if (RegEnumValueW(key, i, name, &nameSize, nullptr, &type, nullptr, &dataSize) !=
            ERROR_SUCCESS)
            break;
        std::vector<unsigned char> data(dataSize + 2);
        nameSize = 16384;
        DWORD size = dataSize;
        RegEnumValueW(key, i, name, &nameSize, nullptr, &type, data.data(), &size);
        if (i)
            out += ',';
        out += Quote(std::wstring(name, nameSize)) + ":{\"type\":" + std::to_string(type) +
               ",\"size\":" + std::to_string(size) + ",\"hex\":\"" + Hex(data.data(), size) + "\"";
        if (type == REG_SZ || type == REG_EXPAND_SZ) {
            std::wstring text(size / sizeof(wchar_t), L'\0');
            std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
            out += ",\"str\":" + Quote(text.substr(0, text.find(L'\0')));
        } else if (type == REG_DWORD && size == 4) {
            DWORD value = 0;
            std::memcpy(&value, data.data(), 4);
            out += ",\"dword\":" + std::to_string(value);
        }
        out += '}';
    }
    out += "},\"subkeys\":{";
    bool first = true;
    for (const std::wstring& name : SubkeyNames(key)) {
        UniqueKey sub = OpenKey(key, name, KEY_READ);
        if (!sub)
            continue;
        if (!first)
            out += ',';
        first = false;
        out += Quote(name) + ':' + DumpKey(sub.get());
    }
    return out + "}}";
}

void DeleteTree(HKEY parent, const std::wstring& path) {
    if (UniqueKey key = OpenKey(parent, path, KEY_ALL_ACCESS)) {
        for (const std::wstring& name : SubkeyNames(key.get()))
            DeleteTree(key.get(), name);
    }
    RegDeleteKeyW(parent, path.c_str());
}

// Values are written with the wide API, so "hex" is stored exactly as given.
void LoadTree(HKEY key, const Json& tree) {
    if (const Json* values = tree.Find("values")) {
        for (const auto& [name, value] : values->members) {
            const Json* type = value.Find("type");
            const Json* hex = value.Find("hex");
            if (!type || !hex)
                throw std::runtime_error("value " + name + " needs type and hex");
            const std::vector<unsigned char> data = Unhex(hex->text);
            if (RegSetValueExW(key, Wide(name).c_str(), 0, static_cast<DWORD>(type->number),
                               data.empty() ? nullptr : data.data(),
                               static_cast<DWORD>(data.size())) != ERROR_SUCCESS)
                throw std::runtime_error("cannot set value " + name);
        }
    }
    if (const Json* subkeys = tree.Find("subkeys")) {
        for (const auto& [name, subtree] : subkeys->members) {
            UniqueKey sub = CreateKey(key, Wide(name));
            LoadTree(sub.get(), subtree);
        }
    }
}

std::string ReadAll(const std::string& file) {
    FILE* in = file == "-" ? stdin : std::fopen(file.c_str(), "rb");
    if (!in)
        throw std::runtime_error("cannot open " + file);
    std::string text;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        text.append(buffer, n);
    if (in != stdin)
        std::fclose(in);
    return text;
}

// --- windows ------------------------------------------------------------------

std::string HwndText(HWND window) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(window));
}

HWND ParseHwnd(const char* text) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(Number(text)));
}

std::string RectText(const RECT& r) {
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + "]";
}

std::wstring WindowText(HWND window) {
    // Cross-process WM_GETTEXT could hang on a busy program; InternalGetWindowText never does.
    wchar_t text[1024] = L"";
    InternalGetWindowText(window, text, 1024);
    return text;
}

std::string ClassText(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return Utf8(name);
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

std::string Describe(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    return "{\"hwnd\":" + HwndText(window) + ",\"title\":" + Quote(WindowText(window)) +
           ",\"class\":" + Quote(ClassText(window)) +
           ",\"visible\":" + Bool(IsWindowVisible(window)) +
           ",\"iconic\":" + Bool(IsIconic(window)) + ",\"zoomed\":" + Bool(IsZoomed(window)) +
           ",\"enabled\":" + Bool(IsWindowEnabled(window)) +
           ",\"topmost\":" + Bool(exStyle & WS_EX_TOPMOST) +
           ",\"owner\":" + HwndText(GetWindow(window, GW_OWNER)) +
           ",\"parent\":" + HwndText(GetAncestor(window, GA_PARENT)) +
           ",\"id\":" + std::to_string(GetDlgCtrlID(window)) + ",\"rect\":" + RectText(rect) +
           ",\"pid\":" + std::to_string(pid) + ",\"style\":" + std::to_string(style) +
           ",\"exstyle\":" + std::to_string(exStyle);
}

BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::string ListWindows() {
    std::vector<HWND> windows;
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&windows));
    std::string out = "[";
    for (std::size_t z = 0; z < windows.size(); ++z) {
        if (z)
            out += ',';
        out += Describe(windows[z]) + ",\"z\":" + std::to_string(z) +
               ",\"foreground\":" + Bool(windows[z] == GetForegroundWindow()) + "}";
    }
    return out + "]";
}

std::string ListChildren(HWND parent) {
    if (!IsWindow(parent))
        throw std::runtime_error("no such window");
    std::vector<HWND> windows;
    EnumChildWindows(parent, &Collect, reinterpret_cast<LPARAM>(&windows));
    std::string out = "[";
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (i)
            out += ',';
        out += Describe(windows[i]);
        if (ClassText(windows[i]) == "Button") {
            DWORD_PTR state = 0;
            SendMessageTimeoutA(windows[i], BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
            out += ",\"checked\":" + Bool(state == BST_CHECKED);
        }
        out += '}';
    }
    return out + "]";
}

std::string TabRect(HWND tabs, int index) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tabs, &pid);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        throw std::runtime_error("cannot open the window's process");
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    RECT rect{};
    DWORD_PTR ok = 0;
    if (remote) {
        SendMessageTimeoutA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000, &ok);
        ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    if (!ok)
        throw std::runtime_error("no such tab");
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return "{\"rect\":" + RectText(rect) + "}";
}

std::string Hold() {
    GetDesktopWindow(); // connects to the desktop, which starts it
    char buffer[256];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return "{\"ok\":true}";
}

// Closing stdin ends the wait: a reader thread turns the end of input into
// WM_QUIT for the thread that pumps the window's messages.
DWORD WINAPI QuitAtEndOfInput(LPVOID thread) {
    char buffer[256];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    PostThreadMessageA(static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(thread)), WM_QUIT, 0, 0);
    return 0;
}

std::string TitledWindow(const char* title) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "WintoolTitledWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW, 40, 40,
                                  320, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        throw std::runtime_error("cannot create the window");
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    const std::string out = "{\"hwnd\":" + HwndText(window) + "}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    const auto self = reinterpret_cast<LPVOID>(static_cast<std::uintptr_t>(GetCurrentThreadId()));
    HANDLE reader = CreateThread(nullptr, 0, QuitAtEndOfInput, self, 0, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyWindow(window);
    if (reader) {
        WaitForSingleObject(reader, INFINITE);
        CloseHandle(reader);
    }
    return "{\"ok\":true}";
}

std::string TrayDelete(HWND owner, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = id;
    return "{\"ok\":" + Bool(Shell_NotifyIconA(NIM_DELETE, &data)) + "}";
}

std::string BroadcastTaskbarCreated() {
    const UINT message = RegisterWindowMessageA("TaskbarCreated");
    if (message == 0)
        throw std::runtime_error("cannot register TaskbarCreated");
    DWORD_PTR result = 0;
    const LRESULT ok =
        SendMessageTimeoutA(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    return "{\"ok\":" + Bool(ok != 0) + ",\"message\":" + std::to_string(message) + "}";
}

std::string ColorText(int index) {
    const COLORREF color = GetSysColor(index);
    return "[" + std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) + "," +
           std::to_string(GetBValue(color)) + "]";
}

std::string Run(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "reg-dump" && argc == 3) {
        UniqueKey key = OpenKey(HKEY_CURRENT_USER, Wide(argv[2]), KEY_READ);
        return key ? DumpKey(key.get()) : "{\"exists\":false}";
    }
    if (command == "reg-delete" && argc == 3) {
        DeleteTree(HKEY_CURRENT_USER, Wide(argv[2]));
        const bool gone = !OpenKey(HKEY_CURRENT_USER, Wide(argv[2]), KEY_READ);
        if (!gone)
            throw std::runtime_error("key is still there");
        return "{\"ok\":true}";
    }
    if (command == "reg-load" && argc == 4) {
        const std::string text = ReadAll(argv[3]);
        const Json tree = JsonReader(text).Document();
        DeleteTree(HKEY_CURRENT_USER, Wide(argv[2]));
        UniqueKey key = CreateKey(HKEY_CURRENT_USER, Wide(argv[2]));
        LoadTree(key.get(), tree);
        return "{\"ok\":true}";
    }
    if (command == "windows" && argc == 2)
        return ListWindows();
    if (command == "children" && argc == 3)
        return ListChildren(ParseHwnd(argv[2]));
    if (command == "post" && argc == 6) {
        const BOOL ok = PostMessageA(ParseHwnd(argv[2]), static_cast<UINT>(Number(argv[3])),
                                     Number(argv[4]), static_cast<LPARAM>(Number(argv[5])));
        return "{\"ok\":" + Bool(ok) + "}";
    }
    if (command == "send" && argc == 6) {
        DWORD_PTR result = 0;
        const LRESULT ok = SendMessageTimeoutA(
            ParseHwnd(argv[2]), static_cast<UINT>(Number(argv[3])), Number(argv[4]),
            static_cast<LPARAM>(Number(argv[5])), SMTO_ABORTIFHUNG, 5000, &result);
        return "{\"ok\":" + Bool(ok != 0) + ",\"result\":" + std::to_string(result) + "}";
    }
    if (command == "tab-rect" && argc == 4)
        return TabRect(ParseHwnd(argv[2]), static_cast<int>(Number(argv[3])));
    if (command == "hold" && argc == 2)
        return Hold();
    if (command == "titled-window" && argc == 3)
        return TitledWindow(argv[2]);
    if (command == "front" && argc == 3) {
        const BOOL ok = SetForegroundWindow(ParseHwnd(argv[2]));
        return "{\"ok\":" + Bool(ok) + ",\"foreground\":" + HwndText(GetForegroundWindow()) + "}";
    }
    if (command == "tray-delete" && argc == 4)
        return TrayDelete(ParseHwnd(argv[2]), static_cast<UINT>(Number(argv[3])));
    if (command == "broadcast-taskbar-created" && argc == 2)
        return BroadcastTaskbarCreated();
    if (command == "colors" && argc == 2)
        return "{\"highlight\":" + ColorText(COLOR_HIGHLIGHT) +
               ",\"highlighttext\":" + ColorText(COLOR_HIGHLIGHTTEXT) +
               ",\"menuhilight\":" + ColorText(COLOR_MENUHILIGHT) +
               ",\"menu\":" + ColorText(COLOR_MENU) + "}";
    throw std::runtime_error("usage: wintool reg-dump KEY | reg-delete KEY | reg-load KEY FILE|- |"
                             " windows | children HWND | post|send HWND MSG WPARAM LPARAM |"
                             " tab-rect HWND INDEX | hold | titled-window TITLE | front HWND |"
                             " tray-delete HWND ID | broadcast-taskbar-created | colors");
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::string out = Run(argc, argv);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fputc('\n', stdout);
        return 0;
    } catch (const std::exception& error) {
        const std::string out = "{\"error\":" + Quote(error.what()) + "}\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
        return 1;
    }
}
