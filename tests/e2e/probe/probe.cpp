// probe.exe: a stand-in for a launched program in the end-to-end tests.
//
// It shows no window. Each run appends one JSON object on one line to
// "probe-log.txt" in the folder of its own executable, recording how it was
// started:
//
//   {"name":"probe.exe","exe":"C:\\t\\probe.exe","pid":1234,
//    "cmdline":"\"C:\\t\\probe.exe\" a \"b c\"","argv":["C:\\t\\probe.exe","a","b c"],
//    "cwd":"C:\\t","dwFlags":1,"wShowWindow":7,"useShowWindow":true,
//    "tick":123456,"created":133590000000000000,"time":"2024-05-01T10:20:30.456Z"}
//
// Text is converted from the ANSI code page to UTF-8 and escaped as JSON
// strings. "argv" is the command line as the C runtime splits it. "dwFlags"
// and "wShowWindow" come from GetStartupInfoA; "useShowWindow" says whether
// STARTF_USESHOWWINDOW is set, i.e. whether wShowWindow means anything.
// "created" is the process's creation time (FILETIME, 100 ns units): probes
// started one after another are ordered by it even when they log out of order.
//
// "--linger N" keeps the process alive for N milliseconds after the line is
// written, so that a test can look for it while it runs.
//
// Exit code 0 once the line is written; 1 when the log could not be written.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include "tests/e2e/json_text.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kMaxLingerMs = 10 * 60 * 1000;
constexpr int kOpenAttempts = 500; // 10 ms apart: about five seconds
constexpr DWORD kOpenRetryMs = 10;

std::string ModuleFileName() {
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return {};
        }
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string CurrentDirectory() {
    DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) {
        return {};
    }
    std::string buffer(needed, '\0');
    DWORD n = GetCurrentDirectoryA(needed, buffer.data());
    buffer.resize(n < needed ? n : 0);
    return buffer;
}

// Index just past the last path separator (0 when there is none).
std::size_t NameStart(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? 0 : slash + 1;
}

// ANSI code page text to UTF-8, so that the log is valid JSON whatever the code page.
std::string AnsiToUtf8(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    int wide =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (wide <= 0) {
        return text;
    }
    std::wstring utf16(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), utf16.data(), wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        return text;
    }
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

std::string JsonString(const std::string& ansi) {
    return corvane::e2e::JsonQuote(AnsiToUtf8(ansi));
}

std::string IsoUtcNow() {
    SYSTEMTIME t;
    GetSystemTime(&t);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u.%03uZ", t.wYear, t.wMonth,
                  t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    return text;
}

unsigned long long CreationTime() {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        return 0;
    }
    return (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

std::string LogLine(const std::string& exe) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);

    std::string argv = "[";
    for (int i = 0; i < __argc; ++i) {
        argv += (i ? "," : "") + JsonString(__argv[i] ? __argv[i] : "");
    }
    argv += "]";

    std::string line = "{";
    line += "\"name\":" + JsonString(exe.substr(NameStart(exe)));
    line += ",\"exe\":" + JsonString(exe);
    line += ",\"pid\":" + std::to_string(GetCurrentProcessId());
    line += ",\"cmdline\":" + JsonString(GetCommandLineA());
    line += ",\"argv\":" + argv;
    line += ",\"cwd\":" + JsonString(CurrentDirectory());
    line += ",\"dwFlags\":" + std::to_string(startup.dwFlags);
    line += ",\"wShowWindow\":" + std::to_string(startup.wShowWindow);
    line += std::string(",\"useShowWindow\":") +
            ((startup.dwFlags & STARTF_USESHOWWINDOW) ? "true" : "false");
    line += ",\"tick\":" + std::to_string(GetTickCount64());
    line += ",\"created\":" + std::to_string(CreationTime());
    line += ",\"time\":\"" + IsoUtcNow() + "\"";
    line += "}\n";
    return line;
}

// Appends the whole line with one write. The file is opened for appending only
// and without write sharing, so a second probe writing at the same moment waits
// for the first one's handle to close instead of interleaving with it.
bool AppendToLog(const std::string& logPath, const std::string& line) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        HANDLE file = CreateFileA(logPath.c_str(), FILE_APPEND_DATA | SYNCHRONIZE, FILE_SHARE_READ,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            DWORD error = GetLastError();
            if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                error == ERROR_ACCESS_DENIED) {
                Sleep(kOpenRetryMs);
                continue;
            }
            return false;
        }
        DWORD written = 0;
        BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(file);
        return ok && written == line.size();
    }
    return false;
}

DWORD LingerMs() {
    for (int i = 1; i + 1 < __argc; ++i) {
        if (__argv[i] && std::strcmp(__argv[i], "--linger") == 0 && __argv[i + 1]) {
            unsigned long ms = std::strtoul(__argv[i + 1], nullptr, 10);
            return ms > kMaxLingerMs ? kMaxLingerMs : static_cast<DWORD>(ms);
        }
    }
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string exe = ModuleFileName();
    if (exe.empty()) {
        return 1;
    }
    std::string logPath = exe.substr(0, NameStart(exe)) + "probe-log.txt";
    bool logged = AppendToLog(logPath, LogLine(exe));
    DWORD linger = LingerMs();
    if (linger > 0) {
        Sleep(linger);
    }
    return logged ? 0 : 1;
}
