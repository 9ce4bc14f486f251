// The record the program hands to the system's open-file dialog, for both of its dialogs, seen by
// a stand-in for GetOpenFileNameA.
#include "core/win32/handle_refs.h"
#include "ui/win32/file_dialog_win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace corvane::win32 {
namespace {

using namespace std::string_literals;
using Text = std::optional<std::string>; // nothing for a null pointer

// Size, owner, flags, filter up to its double zero, filter index, name, title, default extension
// and initial folder as GetOpenFileNameA saw them.
using Record = std::tuple<DWORD, HWND, DWORD, std::string, DWORD, std::string, Text, Text, Text>;
Record seen;
std::optional<OpenFileChoice> answer; // nothing: the user cancels

BOOL WINAPI StandIn(OPENFILENAMEA* r) {
    const auto text = [](const char* s) {
        return s ? Text(s) : std::nullopt;
    };
    const char* end = r->lpstrFilter;
    while (end[0] || end[1])
        ++end;
    seen = Record(r->lStructSize, r->hwndOwner, r->Flags, std::string(r->lpstrFilter, end + 2),
                  r->nFilterIndex, r->lpstrFile, text(r->lpstrTitle), text(r->lpstrDefExt),
                  text(r->lpstrInitialDir));
    // The real dialog fails when the chosen name does not fit.
    if (!answer || answer->fileName.size() >= r->nMaxFile)
        return FALSE;
    std::strcpy(r->lpstrFile, answer->fileName.c_str());
    r->nFilterIndex = answer->filterIndex;
    return TRUE;
}

TEST(Win32FileDialogs, TheRecordCarriesTheRequestAndTheChoiceComesBack) {
    const struct {
        OpenFileRequest request;
        DWORD flags;
        std::string filter;
        Text folder;
        std::optional<OpenFileChoice> answer;
    } cases[] = {
        {{"Select an Executable", "Executables (*.exe)|*.exe|All Files (*.*)|*.*", "exe",
          "C:\\Apps\\", "tool.exe", 2, true},
         OFN_NODEREFERENCELINKS,
         "Executables (*.exe)\0*.exe\0All Files (*.*)\0*.*\0\0"s,
         "C:\\Apps\\",
         OpenFileChoice{"C:\\" + std::string(300, 'n') + ".exe", 1}},
        {{"Select an Icon File",
          "Icon Files (*.ico)|*.ico|Executables (*.exe)|*.exe|All Files (*.*)|*.*", "ico", "", "",
          1, false},
         0,
         "Icon Files (*.ico)\0*.ico\0Executables (*.exe)\0*.exe\0All Files (*.*)\0*.*\0\0"s,
         std::nullopt,
         std::nullopt},
    };
    HWND owner = GetDesktopWindow();
    Win32FileDialogs dialogs(&StandIn);
    for (const auto& [request, flags, filter, folder, choice] : cases) {
        answer = choice;
        const auto chosen = dialogs.ChooseFile(ToRef<WindowRef>(owner), request);
        EXPECT_EQ(seen, Record(sizeof(OPENFILENAMEA), owner, flags, filter, request.filterIndex,
                               request.fileName, request.title, request.defaultExtension, folder));
        const auto whole = [](const auto& c) {
            return std::tie(c.fileName, c.filterIndex);
        };
        ASSERT_EQ(chosen.has_value(), choice.has_value()) << request.title;
        EXPECT_TRUE(!chosen || whole(*chosen) == whole(*choice)) << request.title;
    }
}

} // namespace
} // namespace corvane::win32
