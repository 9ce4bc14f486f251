#include "shell/win32/com_link_loader.h"

#include "core/win32/wide.h"
#include "shell/win32/com_ref.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <utility>

namespace corvane::win32 {
namespace {

// One text read into a zeroed buffer of 260 characters. The object is not
// trusted to end the text: some fill the whole buffer without a zero when
// the text is too long, and leave it untouched when they have none. A read
// that fails gives an empty text.
template <typename Read> std::string ReadText(Read read) {
    wchar_t buffer[kLinkTextBuffer];
    std::memset(buffer, 0, sizeof buffer);
    const HRESULT status = read(buffer, static_cast<int>(kLinkTextBuffer));
    buffer[kLinkTextMax] = L'\0';
    if (FAILED(status))
        return {};
    return Narrow(buffer);
}

} // namespace

LoadOutcome ComLinkLoader::Load(const std::string& path, LinkValues& values) {
    const auto initialize = ole32_.Find<decltype(&CoInitialize)>("CoInitialize");
    const auto uninitialize = ole32_.Find<decltype(&CoUninitialize)>("CoUninitialize");
    const auto create = ole32_.Find<decltype(&CoCreateInstance)>("CoCreateInstance");
    // Without COM the file cannot be read.
    if (!initialize || !uninitialize || !create)
        return LoadOutcome::ReadFailed;
    const ComApartment apartment(initialize(nullptr), uninitialize);

    ComRef<IShellLinkW> link;
    if (FAILED(
            create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.Out())) ||
        !link)
        return LoadOutcome::CreateFailed;

    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out())) || !file)
        return LoadOutcome::PersistFileFailed;

    // 260 wide characters, terminator included. A name that does not fit
    // makes the conversion fail, and nothing is loaded.
    const std::wstring name = Wide(path);
    if (name.size() >= kLinkTextBuffer || FAILED(file->Load(name.c_str(), STGM_READ)))
        return LoadOutcome::ReadFailed;

    LinkValues read;
    read.description = ReadText([&](wchar_t* b, int n) { return link->GetDescription(b, n); });
    // The target as its item list names it, which holds every name whole; an
    // 8-bit copy of the path beside it may have lost what the system's code
    // page cannot hold (Wine's GetPath answers from that copy).
    read.target = ReadText([&](wchar_t* b, int n) {
        PIDLIST_ABSOLUTE items = nullptr;
        const bool named =
            SUCCEEDED(link->GetIDList(&items)) && items && SHGetPathFromIDListW(items, b) && b[0];
        ILFree(items);
        return named ? S_OK : link->GetPath(b, n, nullptr, SLGP_UNCPRIORITY);
    });
    read.workingDir = ReadText([&](wchar_t* b, int n) { return link->GetWorkingDirectory(b, n); });
    read.arguments = ReadText([&](wchar_t* b, int n) { return link->GetArguments(b, n); });

    int showCmd = SW_SHOWNORMAL;
    if (FAILED(link->GetShowCmd(&showCmd)))
        showCmd = SW_SHOWNORMAL;
    read.showCmd = showCmd;

    WORD hotKey = 0;
    if (FAILED(link->GetHotkey(&hotKey)))
        hotKey = 0;
    read.hotKey = hotKey;

    int iconIndex = 0;
    bool iconRead = false;
    read.iconFile = ReadText([&](wchar_t* b, int n) {
        const HRESULT status = link->GetIconLocation(b, n, &iconIndex);
        iconRead = SUCCEEDED(status);
        return status;
    });
    read.iconIndex = iconRead ? iconIndex : 0;

    values = std::move(read);
    return LoadOutcome::Loaded;
}

} // namespace corvane::win32
