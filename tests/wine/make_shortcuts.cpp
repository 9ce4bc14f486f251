// Makes the differential test's shortcuts with the shell's own object:
// IShellLinkA for the values, IPersistFile::Save for the file.
#include "tests/wine/shortcut_corpus.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {

using corvane::testing::CorpusShortcut;

bool Save(const std::string& folder, const CorpusShortcut& s) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    if (s.path)
        link->SetPath(s.path->c_str());
    if (s.description)
        link->SetDescription(s.description->c_str());
    if (s.workingDir)
        link->SetWorkingDirectory(s.workingDir->c_str());
    if (s.arguments)
        link->SetArguments(s.arguments->c_str());
    if (s.iconFile)
        link->SetIconLocation(s.iconFile->c_str(), s.iconIndex);
    if (s.showCmd)
        link->SetShowCmd(*s.showCmd);
    if (s.hotKey)
        link->SetHotkey(*s.hotKey);

    bool saved = false;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const std::string path = folder + "\\" + s.name + ".lnk";
        wchar_t wide[MAX_PATH] = {};
        if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) != 0)
            saved = SUCCEEDED(file->Save(wide, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_shortcuts <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    CreateDirectoryA(folder.c_str(), nullptr);
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    int failed = 0;
    const auto corpus = corvane::testing::ShortcutCorpus();
    for (const CorpusShortcut& s : corpus) {
        if (!Save(folder, s)) {
            std::fprintf(stderr, "could not save %s\n", s.name.c_str());
            ++failed;
        }
    }
    CoUninitialize();
    std::printf("%d shortcuts made in %s\n", static_cast<int>(corpus.size()) - failed,
                folder.c_str());
    return failed == 0 ? 0 : 1;
}
