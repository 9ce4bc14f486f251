#include "ui/win32/file_dialog_win32.h"

#include "core/win32/handle_refs.h"

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
    const OpenFunction open = open_ ? open_ : library_.Find<OpenFunction>("GetOpenFileNameA");
    if (!open)
        return std::nullopt;

    const std::string filter = FilterParts(request.filter);
    std::vector<char> name(kNameBufferSize, '\0');
    request.fileName.copy(name.data(), name.size() - 1);

    OPENFILENAMEA record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = FromRef<HWND>(owner);
    record.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    record.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    record.lpstrFile = name.data();
    record.nMaxFile = kNameBufferSize;
    record.lpstrInitialDir =
        request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    record.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    record.lpstrDefExt =
        request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    // Only an existing file can be chosen, and the program's current folder
    // stays where it is: a later launch of a bare name must not look in the
    // folder browsed last.
    record.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
    if (request.keepShortcuts)
        record.Flags |= OFN_NODEREFERENCELINKS;

    if (!open(&record))
        return std::nullopt;
    return OpenFileChoice{std::string(name.data()), static_cast<int>(record.nFilterIndex)};
}

} // namespace corvane::win32
