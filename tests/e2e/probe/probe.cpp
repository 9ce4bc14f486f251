// probe.exe, what the tests let Corvane start: every run appends a line to probe-log.txt beside it,
// its own path, a tab and its command line, in UTF-8 as the wide functions give them.
// "probe.exe --window TITLE" also shows a window titled TITLE in front until ended;
// "probe.exe --link LINK TARGET ARGUMENTS" only saves a shortcut at LINK with the shell's object;
// "probe.exe --text TITLE [ITEM]" only writes the text of the message box titled TITLE (or of the
// item ITEM of the dialog titled TITLE) to its output; "probe.exe --hot-key MODIFIERS KEY" only
// holds that hot key (as numbers) until ended; "probe.exe --class CLASS" only ends with 0 when a
// top-level window of that class is there, else 1.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                     bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                     nullptr));
    return bytes;
}

// A shortcut to target with arguments, described as "Probe by shortcut", saved at link.
bool SaveLink(const wchar_t* link, const wchar_t* target, const wchar_t* arguments) {
    IShellLinkW* shortcut = nullptr;
    IPersistFile* file = nullptr;
    bool saved =
        SUCCEEDED(CoInitialize(nullptr)) &&
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&shortcut))) &&
        SUCCEEDED(shortcut->SetPath(target)) && SUCCEEDED(shortcut->SetArguments(arguments)) &&
        SUCCEEDED(shortcut->SetDescription(L"Probe by shortcut")) &&
        SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Save(link, TRUE));
    if (file)
        file->Release();
    if (shortcut)
        shortcut->Release();
    return saved;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args && count == 5 && lstrcmpW(args[1], L"--link") == 0) // not logged
        return SaveLink(args[2], args[3], args[4]) ? 0 : 1;
    if (args && (count == 3 || count == 4) && lstrcmpW(args[1], L"--text") == 0) { // not logged
        char text[1024] = ""; // a message box's text is its item 0xFFFF
        const int item = count == 4 ? _wtoi(args[3]) : 0xFFFF;
        DWORD size = GetDlgItemTextA(FindWindowW(L"#32770", args[2]), item, text, sizeof text);
        return !WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, size, &size, nullptr);
    }
    if (args && count == 3 && lstrcmpW(args[1], L"--class") == 0) // not logged
        return FindWindowW(args[2], nullptr) ? 0 : 1;
    if (args && count == 4 && lstrcmpW(args[1], L"--hot-key") == 0) { // not logged
        RegisterHotKey(nullptr, 1, _wtoi(args[2]), _wtoi(args[3]));
        for (MSG msg; GetMessageW(&msg, nullptr, 0, 0) > 0;) // input idle once it holds the key
            ;
        return 0;
    }
    std::wstring exe(32768, L'\0');
    exe.resize(GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size())));
    const std::wstring log = exe.substr(0, exe.rfind(L'\\') + 1) + L"probe-log.txt";
    const std::string line = Utf8(exe) + "\t" + Utf8(GetCommandLineW()) + "\n";
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file != INVALID_HANDLE_VALUE) {
        WriteFile(file, line.data(), line.size(), &written, nullptr);
        CloseHandle(file);
    }
    if (args && count == 3 && lstrcmpW(args[1], L"--window") == 0) {
        // SS_NOTIFY: else clicks go through a static window to the one below, and the tests click
        // this one to the front. The title comes last: once it shows, the window is in front.
        HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | SS_NOTIFY, 40, 40,
                                      320, 200, nullptr, nullptr, instance, nullptr);
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        SetWindowTextW(window, args[2]);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
    }
    LocalFree(args);
    return written == line.size() ? 0 : 1;
}
