#include "ui/win32/file_dialog_win32.h"

#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"

#include <string>
#include <vector>

namespace corvane::win32 {
namespace {

// The longest name the system knows (a "\\?\" name of 32767 characters) and
// its terminator: a chosen name is never cut.
constexpr DWORD kNameBufferSize = 32768;

// "Description|pattern|..." in the dialog's form: each part ends in a zero,
// and one more zero ends the list.
std::string FilterParts(const std::string& filter) {
    std::string parts = filter;
    for (char& c : parts)
        if (c == '|')
            c = '\0';
    parts.append(2, '\0');
    return parts;
}

} // namespace

std::optional<OpenFileChoice> Win32FileDialogs::ChooseFile(WindowRef owner,
                                                           const OpenFileRequest& request) {
    // A dialog that cannot be loaded answers as a cancelled one.
    const OpenFunction open =
        open_ ? open_
              : library_.Find<OpenFunction>(request.save ? "GetSaveFileNameW" : "GetOpenFileNameW");
    if (!open)
        return std::nullopt;

    const std::wstring filter = Wide(FilterParts(request.filter));
    const std::wstring folder = Wide(request.initialFolder), title = Wide(request.title),
                       extension = Wide(request.defaultExtension);
    std::vector<wchar_t> name(kNameBufferSize, L'\0');
    Wide(request.fileName).copy(name.data(), name.size() - 1);

    OPENFILENAMEW record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = FromRef<HWND>(owner);
    record.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    record.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    record.lpstrFile = name.data();
    record.nMaxFile = kNameBufferSize;
    record.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    record.lpstrTitle = title.empty() ? nullptr : title.c_str();
    record.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // Only an existing file can be chosen, and the program's current folder
    // stays where it is: a later launch of a bare name must not look in the
    // folder browsed last.
    // A file saved to replaces one only when the user agrees.
    record.Flags = request.save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR
                                : OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
    if (request.keepShortcuts)
        record.Flags |= OFN_NODEREFERENCELINKS;

    if (!open(&record))
        return std::nullopt;
    return OpenFileChoice{Narrow(name.data()), static_cast<int>(record.nFilterIndex)};
}

} // namespace corvane::win32
