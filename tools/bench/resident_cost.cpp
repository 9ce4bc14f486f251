// The resident-cost benchmark's measuring side: starts two programs in turn
// (A, B, A, B ...), times each from CreateProcess to input idle, reads its
// private memory once it has settled, ends it with WM_CLOSE, and prints every
// run, each program's medians, the ratios A/B and the DLLs that only one of
// them loaded. It measures and prints; it judges nothing.
//   resident_cost [-pairs N] A.exe B.exe
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr DWORD kSettleMs = 2000; // well past Corvane's start-up timer (100 ms)

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Owned = std::unique_ptr<void, HandleCloser>;

enum Figure { kStartUp, kMainThread, kPrivate, kFigures };

struct Run {
    double figures[kFigures] = {};
    bool idle = false, privateUsage = false;
    std::set<std::wstring> modules;
};

double Milliseconds(const FILETIME& time) { // from 100-ns units
    return (double(time.dwHighDateTime) * 4294967296.0 + double(time.dwLowDateTime)) / 1e4;
}

std::set<std::wstring> ModuleNames(HANDLE process) {
    std::vector<HMODULE> modules(1024);
    DWORD bytes = 0;
    std::set<std::wstring> names;
    if (!EnumProcessModules(process, modules.data(), DWORD(modules.size() * sizeof(HMODULE)),
                            &bytes))
        return names;
    modules.resize(std::min<std::size_t>(modules.size(), bytes / sizeof(HMODULE)));
    for (HMODULE module : modules) {
        wchar_t name[MAX_PATH];
        if (GetModuleBaseNameW(process, module, name, MAX_PATH))
            names.insert(CharLowerW(name)); // as each importer spelt it
    }
    return names;
}

BOOL CALLBACK CloseWindowOf(HWND window, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == DWORD(processId))
        PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

bool Measure(const std::wstring& exe, Run& run) {
    std::wstring command = L"\"" + exe + L"\"";
    const std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started))
        return false;
    const Owned process(started.hProcess), thread(started.hThread);
    run.idle = WaitForInputIdle(process.get(), 30000) == 0;
    QueryPerformanceCounter(&end);
    run.figures[kStartUp] =
        double(end.QuadPart - begin.QuadPart) * 1e3 / double(frequency.QuadPart);
    // The main thread's processor time to input idle: less moved by other
    // work on the machine than the elapsed time.
    FILETIME created, ended, kernel, user;
    if (GetThreadTimes(thread.get(), &created, &ended, &kernel, &user))
        run.figures[kMainThread] = Milliseconds(kernel) + Milliseconds(user);

    Sleep(kSettleMs);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    // Wine leaves PrivateUsage 0; its PagefileUsage is the same quantity.
    run.privateUsage = counters.PrivateUsage != 0;
    run.figures[kPrivate] =
        double(run.privateUsage ? counters.PrivateUsage : counters.PagefileUsage) / 1024.0;
    run.modules = ModuleNames(process.get());

    EnumWindows(CloseWindowOf, LPARAM(started.dwProcessId));
    if (WaitForSingleObject(process.get(), 15000) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 15000);
    }
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintOnly(const std::wstring& name, const Run& mine, const Run& theirs) {
    std::wprintf(L"DLLs only %ls loaded:", name.c_str());
    for (const std::wstring& module : mine.modules)
        if (!theirs.modules.count(module))
            std::wprintf(L" %ls", module.c_str());
    std::wprintf(L"\n");
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    int pairs = 15;
    std::vector<std::wstring> exes;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"-pairs" && i + 1 < argc)
            pairs = std::max(1, _wtoi(argv[++i]));
        else
            exes.push_back(argv[i]);
    }
    if (exes.size() != 2) {
        std::fwprintf(stderr, L"usage: resident_cost [-pairs N] A.exe B.exe\n");
        return 2;
    }
    std::wstring names[2];
    for (int which = 0; which < 2; ++which)
        names[which] = exes[which].substr(exes[which].find_last_of(L"\\/") + 1);
    std::vector<double> samples[2][kFigures];
    Run last[2];
    std::wprintf(L"pair program              start-up  main thread  private memory\n");
    // Pair 0 warms the file cache and the prefix up and is not counted.
    for (int pair = 0; pair <= pairs; ++pair) {
        for (int which = 0; which < 2; ++which) {
            Run run;
            if (!Measure(exes[which], run)) {
                std::fwprintf(stderr, L"cannot start %ls (%lu)\n", exes[which].c_str(),
                              GetLastError());
                return 1;
            }
            std::wprintf(L"%-4d %-18ls %8.1f ms %8.1f ms %11.0f KiB%ls\n", pair,
                         names[which].c_str(), run.figures[kStartUp], run.figures[kMainThread],
                         run.figures[kPrivate], run.idle ? L"" : L" (never idle)");
            std::fflush(stdout);
            for (int figure = 0; pair > 0 && figure < kFigures; ++figure)
                samples[which][figure].push_back(run.figures[figure]);
            last[which] = std::move(run);
        }
    }
    double median[2][kFigures];
    std::wprintf(L"\nmedians of %-12d start-up  main thread  private memory (%ls)\n", pairs,
                 last[0].privateUsage ? L"PrivateUsage" : L"PagefileUsage");
    for (int which = 0; which < 2; ++which) {
        for (int figure = 0; figure < kFigures; ++figure)
            median[which][figure] = Median(samples[which][figure]);
        std::wprintf(L"%-23ls %8.1f ms %8.1f ms %11.0f KiB\n", names[which].c_str(),
                     median[which][kStartUp], median[which][kMainThread], median[which][kPrivate]);
    }
    std::wprintf(L"%-23ls %8.3f x  %8.3f x  %11.3f x\n\n", L"ratio",
                 median[0][kStartUp] / median[1][kStartUp],
                 median[0][kMainThread] / median[1][kMainThread],
                 median[0][kPrivate] / median[1][kPrivate]);
    PrintOnly(names[0], last[0], last[1]);
    PrintOnly(names[1], last[1], last[0]);
    return 0;
}
