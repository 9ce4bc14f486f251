// The shortcut reader under Wine: the loader on the shell's own object, and
// our own reader of the format, on shortcuts that the shell's object made.
#include "core/registry_accessor.h"
#include "core/win32/registry_win32.h"
#include "shell/portable_link_loader.h"
#include "shell/shell_lnk.h"
#include "shell/win32/com_link_loader.h"
#include "shell/win32/file_system_win32.h"
#include "tests/wine/shortcut_corpus.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

namespace corvane::testing {
namespace {

std::string CorpusFolder() {
    const char* folder = std::getenv("CORVANE_SHORTCUT_CORPUS");
    return folder ? folder : "";
}

std::string CorpusPath(const CorpusShortcut& s) {
    return CorpusFolder() + "\\" + s.name + ".lnk";
}

class ShortcutReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(CorpusFolder().empty()) << "CORVANE_SHORTCUT_CORPUS names no folder";
        // The corpus' texts are Windows-1252 bytes, and our reader turns
        // Unicode into Windows-1252.
        ASSERT_EQ(GetACP(), 1252u) << "Wine's ANSI code page";
    }

    win32::ComLinkLoader shellObject;
    win32::Win32FileSystem files;
    Windows1252 codePage;
    PortableLinkLoader ourReader{files, codePage};
};

TEST_F(ShortcutReaderTest, TheCorpusHoldsEveryShortcutTheShellMade) {
    const std::vector<CorpusShortcut> corpus = ShortcutCorpus();
    EXPECT_GE(corpus.size(), 40u);
    for (const CorpusShortcut& s : corpus)
        EXPECT_TRUE(files.IsFile(CorpusPath(s))) << s.name;
}

// Both loaders read every shortcut, and the values agree with each other and
// with what Windows' object gives back. Two known differences of Wine's
// object are not held against our reader, which is checked against the
// Windows behaviour there instead:
// - Wine's object never loads the show command (it keeps that of a new
//   object), so only our reader's show command is checked, against the one
//   that was set (Windows loads it from the header).
// - Wine's object does not cut texts longer than 259 characters: its ANSI
//   getters fill the whole 260-character buffer without a zero. The loader
//   ends every buffer itself, so both give the first 259 characters, as
//   Windows does; both are checked against that.
TEST_F(ShortcutReaderTest, BothLoadersAgreeOnEveryShortcutOfTheCorpus) {
    for (const CorpusShortcut& s : ShortcutCorpus()) {
        SCOPED_TRACE(s.name);
        LinkValues shell, ours;
        ASSERT_EQ(shellObject.Load(CorpusPath(s), shell), LoadOutcome::Loaded);
        ASSERT_EQ(ourReader.Load(CorpusPath(s), ours), LoadOutcome::Loaded);

        const LinkValues windows = WindowsValues(s);
        EXPECT_EQ(AllButShowCmd(shell), AllButShowCmd(windows));
        EXPECT_EQ(AllButShowCmd(ours), AllButShowCmd(shell));
        EXPECT_EQ(ours.showCmd, windows.showCmd);
    }
}

TEST_F(ShortcutReaderTest, AFileThatIsNoShortcutOrIsMissingFailsAsAReadError) {
    const std::string notShortcut = CorpusFolder() + "\\not-a-shortcut.lnk";
    const HANDLE h = CreateFileA(notShortcut.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, "L\0\0\0 hello", 10, &written, nullptr);
    CloseHandle(h);
    for (LinkLoader* loader :
         {static_cast<LinkLoader*>(&shellObject), static_cast<LinkLoader*>(&ourReader)}) {
        LinkValues v;
        v.description = "kept";
        EXPECT_EQ(loader->Load(notShortcut, v), LoadOutcome::ReadFailed);
        EXPECT_EQ(loader->Load(CorpusFolder() + "\\missing.lnk", v), LoadOutcome::ReadFailed);
        EXPECT_EQ(v.description, "kept");
    }
    DeleteFileA(notShortcut.c_str());
}

TEST_F(ShortcutReaderTest, ANameThatDoesNotFitThe260CharacterBufferIsNeverLoaded) {
    // The same shortcut, named with enough ".\" to be 259 and 260 characters
    // long.
    const std::string plain = CorpusPath(ShortcutCorpus()[1]);
    const auto named = [&](std::size_t length) {
        const std::size_t cut = plain.rfind('\\') + 1;
        std::string name = plain.substr(0, cut);
        while (name.size() + (plain.size() - cut) + 2 <= length)
            name += ".\\";
        if (name.size() + (plain.size() - cut) < length)
            name.insert(cut - 1, "\\");
        return name + plain.substr(cut);
    };
    ASSERT_EQ(named(259).size(), 259u);
    ASSERT_EQ(named(260).size(), 260u);
    for (LinkLoader* loader :
         {static_cast<LinkLoader*>(&shellObject), static_cast<LinkLoader*>(&ourReader)}) {
        LinkValues v;
        EXPECT_EQ(loader->Load(named(259), v), LoadOutcome::Loaded);
        EXPECT_EQ(loader->Load(named(260), v), LoadOutcome::ReadFailed);
        EXPECT_EQ(loader->Load(named(400), v), LoadOutcome::ReadFailed);
    }
}

TEST_F(ShortcutReaderTest, EachLoadStartsAndEndsComOnTheThreadItself) {
    std::thread([&] {
        LinkValues v;
        EXPECT_EQ(shellObject.Load(CorpusPath(ShortcutCorpus()[1]), v), LoadOutcome::Loaded);
        // COM was ended again: starting it now is a first start.
        EXPECT_EQ(CoInitialize(nullptr), S_OK);
        CoUninitialize();
    }).join();
}

TEST_F(ShortcutReaderTest, AThreadAlreadyInAnotherApartmentKeepsItsCom) {
    std::thread([&] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        LinkValues v;
        EXPECT_EQ(shellObject.Load(CorpusPath(ShortcutCorpus()[1]), v), LoadOutcome::Loaded);
        // Still in its apartment: a further start only counts up.
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        CoUninitialize();
        CoUninitialize();
    }).join();
}

TEST_F(ShortcutReaderTest, TheComponentReadsAShortcutAndReportsWhatItCannotRead) {
    win32::Win32Registry registry;
    TKvShellLink link(shellObject, files, registry);
    link.SetFileName(CorpusFolder() + "\\everything");
    link.ReadLink();
    EXPECT_EQ(link.Target(), "C:\\windows\\notepad.exe");
    EXPECT_EQ(link.Description(), "Every field \xE9t\xE9 set");
    EXPECT_EQ(link.HotKey(), 0xC045);

    link.SetFileName(CorpusFolder()); // a folder, with ".lnk" added
    CreateDirectoryA(link.FileName().c_str(), nullptr);
    try {
        link.ReadLink();
        ADD_FAILURE() << "no error";
    } catch (const EKvShellLink& e) {
        EXPECT_STREQ(e.what(), kMsgLinkNotFound);
    }
    RemoveDirectoryA(link.FileName().c_str());
    EXPECT_EQ(link.Description(), "Every field \xE9t\xE9 set") << "kept";
}

} // namespace
} // namespace corvane::testing
