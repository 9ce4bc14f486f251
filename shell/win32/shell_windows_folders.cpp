#include "shell/win32/shell_windows_folders.h"

#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"
#include "shell/win32/com_ref.h"

#include <exdisp.h>
#include <shlguid.h>
#include <shlobj.h>

namespace corvane::win32 {

// One question and its answer, shared by the asking thread and the one that
// asks the shell: the last of the two to let go of it ends it.
struct ShellWindowsFolders::Question {
    HWND window = nullptr;
    Asker ask = nullptr;
    std::optional<std::wstring> folder;
    HANDLE thread = nullptr;
    ~Question() {
        if (thread)
            CloseHandle(thread);
    }
};

namespace {

// The file-system folder of a browser of the collection: its top-level
// browser's active view, the folder of that view, and the path of its item
// list. Nothing for a virtual folder, which has no path.
std::optional<std::wstring> FolderOfBrowser(IDispatch* item) {
    ComRef<IServiceProvider> services;
    ComRef<IShellBrowser> browser;
    ComRef<IShellView> view;
    ComRef<IFolderView> folderView;
    ComRef<IPersistFolder2> folder;
    if (FAILED(item->QueryInterface(IID_IServiceProvider, services.Out())) || !services ||
        FAILED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.Out())) ||
        !browser || FAILED(browser->QueryActiveShellView(view.Put())) || !view ||
        FAILED(view->QueryInterface(IID_IFolderView, folderView.Out())) || !folderView ||
        FAILED(folderView->GetFolder(IID_IPersistFolder2, folder.Out())) || !folder)
        return std::nullopt;
    PIDLIST_ABSOLUTE items = nullptr;
    wchar_t path[MAX_PATH] = {};
    const bool named =
        SUCCEEDED(folder->GetCurFolder(&items)) && items && SHGetPathFromIDListW(items, path);
    ILFree(items);
    if (!named || !path[0])
        return std::nullopt;
    return std::wstring(path);
}

DWORD WINAPI Ask(void* parameter) {
    const std::unique_ptr<std::shared_ptr<ShellWindowsFolders::Question>> handed(
        static_cast<std::shared_ptr<ShellWindowsFolders::Question>*>(parameter));
    ShellWindowsFolders::Question& question = **handed;
    question.folder = question.ask(question.window);
    return 0;
}

} // namespace

// The folder that the browser of the collection with this window shows.
std::optional<std::wstring> ShellWindowsFolders::AskShellWindows(HWND window) {
    // ole32.dll, held here for as long as the question runs: one left
    // unanswered may outlive the object that asked it, and that object's hold.
    SystemLibrary ole32{L"ole32.dll"};
    const auto initialize = ole32.Find<decltype(&CoInitializeEx)>("CoInitializeEx");
    const auto uninitialize = ole32.Find<decltype(&CoUninitialize)>("CoUninitialize");
    const auto create = ole32.Find<decltype(&CoCreateInstance)>("CoCreateInstance");
    if (!initialize || !uninitialize || !create)
        return std::nullopt;
    const ComApartment apartment(initialize(nullptr, COINIT_MULTITHREADED), uninitialize);
    ComRef<IShellWindows> windows;
    long count = 0;
    if (FAILED(create(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IShellWindows, windows.Out())) ||
        !windows || FAILED(windows->get_Count(&count)))
        return std::nullopt;
    for (long i = 0; i < count; ++i) {
        VARIANT index{};
        index.vt = VT_I4;
        index.lVal = i;
        ComRef<IDispatch> item;
        ComRef<IWebBrowserApp> browser;
        SHANDLE_PTR handle = 0;
        if (SUCCEEDED(windows->Item(index, item.Put())) && item &&
            SUCCEEDED(item->QueryInterface(IID_IWebBrowserApp, browser.Out())) && browser &&
            SUCCEEDED(browser->get_HWND(&handle)) && reinterpret_cast<HWND>(handle) == window)
            return FolderOfBrowser(item.get());
    }
    return std::nullopt;
}

std::optional<std::string> ShellWindowsFolders::FolderShownBy(WindowRef window) {
    if (unanswered_) {
        if (WaitForSingleObject(unanswered_->thread, 0) == WAIT_TIMEOUT)
            return std::nullopt;
        unanswered_.reset();
    }
    // ole32.dll stays loaded from the first question to the end of the run.
    if (!ole32_.Find<decltype(&CoInitializeEx)>("CoInitializeEx"))
        return std::nullopt;
    const auto question = std::make_shared<Question>();
    question->window = FromRef<HWND>(window);
    question->ask = ask_;
    auto* handed = new std::shared_ptr<Question>(question);
    question->thread = CreateThread(nullptr, 0, Ask, handed, 0, nullptr);
    if (!question->thread) {
        delete handed;
        return std::nullopt;
    }
    if (WaitForSingleObject(question->thread, bound_) != WAIT_OBJECT_0) {
        unanswered_ = question;
        return std::nullopt;
    }
    if (!question->folder)
        return std::nullopt;
    return Narrow(*question->folder);
}

} // namespace corvane::win32
