// The shell's own object saves every shortcut of the corpus (into shortcut-corpus\, where the
// fuzzer's corpus comes from); the loader on that object and our own reader of the format load
// each, and both must give what Windows' object gives back.
#include "shell/portable_link_loader.h"
#include "shell/win32/com_link_loader.h"
#include "shell/win32/file_system_win32.h"
#include "tests/wine/shortcut_corpus.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

void Save(const CorpusShortcut& s, const std::string& file) {
    IShellLinkA* link = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                               reinterpret_cast<void**>(&link)),
              S_OK);
    for (const auto& [text, set] : {std::pair{&s.path, &IShellLinkA::SetPath},
                                    {&s.description, &IShellLinkA::SetDescription},
                                    {&s.workingDir, &IShellLinkA::SetWorkingDirectory},
                                    {&s.arguments, &IShellLinkA::SetArguments}})
        if (*text)
            (link->*set)((*text)->c_str());
    if (s.iconFile)
        link->SetIconLocation(s.iconFile->c_str(), s.iconIndex);
    if (s.showCmd)
        link->SetShowCmd(*s.showCmd);
    if (s.hotKey)
        link->SetHotkey(*s.hotKey);
    IPersistFile* persist = nullptr;
    ASSERT_EQ(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)), S_OK);
    const std::wstring wide(file.begin(), file.end()); // ASCII
    EXPECT_EQ(persist->Save(wide.c_str(), TRUE), S_OK);
    persist->Release();
    link->Release();
}

// Wine's object never loads the show command (the native suite checks our reader's), and fills a
// buffer without a zero instead of cutting a text at 259 characters; the loader ends every buffer
// itself, so both give the first 259, as Windows.
TEST(ShortcutReader, BothLoadersGiveWhatWindowsGivesForEveryShortcutTheShellMade) {
    ASSERT_EQ(GetACP(), 1252u) << "the corpus' texts are Windows-1252";
    CreateDirectoryA("shortcut-corpus", nullptr);
    char folder[MAX_PATH] = {};
    ASSERT_GT(GetFullPathNameA("shortcut-corpus", MAX_PATH, folder, nullptr), 0u);
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    win32::ComLinkLoader shellObject;
    win32::Win32FileSystem files;
    Windows1252 codePage;
    PortableLinkLoader ourReader{files, codePage};
    for (const CorpusShortcut& s : ShortcutCorpus()) {
        SCOPED_TRACE(s.name);
        const std::string file = std::string(folder) + "\\" + s.name + ".lnk";
        Save(s, file);
        LinkValues shell, ours;
        ASSERT_EQ(shellObject.Load(file, shell), LoadOutcome::Loaded);
        ASSERT_EQ(ourReader.Load(file, ours), LoadOutcome::Loaded);
        EXPECT_EQ(AllButShowCmd(shell), AllButShowCmd(WindowsValues(s)));
        EXPECT_EQ(AllButShowCmd(ours), AllButShowCmd(shell)) << "over the Win32 file system";
    }
    CoUninitialize();
}

} // namespace
} // namespace corvane::testing
