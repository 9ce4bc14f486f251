// The record the program hands to the system's open-file dialog, for both of
// its dialogs, seen by a stand-in for GetOpenFileNameA.
#include "core/win32/handle_refs.h"
#include "ui/win32/file_dialog_win32.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvane::win32 {
namespace {

using namespace std::string_literals;

struct Seen {
    OPENFILENAMEA record;
    std::string filter; // up to its double zero
    std::string file, title, extension;
    std::optional<std::string> folder;
};
Seen seen;
std::string answer; // empty: the user cancels
DWORD answerIndex = 0;

std::optional<std::string> Text(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

BOOL WINAPI StandIn(OPENFILENAMEA* record) {
    const char* end = record->lpstrFilter;
    while (end[0] || end[1])
        ++end;
    seen = {*record,
            std::string(record->lpstrFilter, end + 2),
            record->lpstrFile,
            Text(record->lpstrTitle).value_or(""),
            Text(record->lpstrDefExt).value_or(""),
            Text(record->lpstrInitialDir)};
    // The real dialog fails when the chosen name does not fit.
    if (answer.empty() || answer.size() >= record->nMaxFile)
        return FALSE;
    std::strcpy(record->lpstrFile, answer.c_str());
    record->nFilterIndex = answerIndex;
    return TRUE;
}

TEST(Win32FileDialogs, TheRecordCarriesTheRequestAndTheChoiceComesBack) {
    struct Case {
        OpenFileRequest request;
        DWORD flags;
        std::string filter;
        std::string answer;
        DWORD answerIndex;
    };
    const Case cases[] = {
        {{"Select an Executable", "Executables (*.exe)|*.exe|All Files (*.*)|*.*", "exe",
          "C:\\Apps\\", "tool.exe", 2, true},
         OFN_NODEREFERENCELINKS,
         "Executables (*.exe)\0*.exe\0All Files (*.*)\0*.*\0\0"s,
         "C:\\" + std::string(300, 'n') + ".exe",
         1},
        {{"Select an Icon File",
          "Icon Files (*.ico)|*.ico|Executables (*.exe)|*.exe|All Files (*.*)|*.*", "ico", "", "",
          1, false},
         0,
         "Icon Files (*.ico)\0*.ico\0Executables (*.exe)\0*.exe\0All Files (*.*)\0*.*\0\0"s,
         "",
         0},
    };
    HWND owner = GetDesktopWindow();
    Win32FileDialogs dialogs(&StandIn);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request.title);
        answer = c.answer;
        answerIndex = c.answerIndex;
        const auto choice = dialogs.ChooseFile(ToRef<WindowRef>(owner), c.request);
        EXPECT_EQ(seen.record.lStructSize, sizeof(OPENFILENAMEA));
        EXPECT_EQ(seen.record.hwndOwner, owner);
        EXPECT_EQ(seen.record.Flags, c.flags) << "exactly this option";
        EXPECT_EQ(seen.filter, c.filter);
        EXPECT_EQ(seen.record.nFilterIndex, static_cast<DWORD>(c.request.filterIndex));
        EXPECT_EQ(seen.file, c.request.fileName);
        EXPECT_EQ(seen.title, c.request.title);
        EXPECT_EQ(seen.extension, c.request.defaultExtension);
        EXPECT_EQ(seen.folder, c.request.initialFolder.empty()
                                   ? std::nullopt
                                   : std::optional<std::string>(c.request.initialFolder));
        ASSERT_EQ(choice.has_value(), !c.answer.empty());
        if (choice) {
            EXPECT_EQ(choice->fileName, c.answer) << "whole";
            EXPECT_EQ(choice->filterIndex, static_cast<int>(c.answerIndex));
        }
    }
}

} // namespace
} // namespace corvane::win32
