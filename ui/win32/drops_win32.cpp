#include "ui/win32/drops_win32.h"

#include "core/win32/handle_refs.h"
#include "core/win32/wide.h"

#include <shellapi.h>

namespace corvane::win32 {

// DragQueryFileW's index that asks for the number of names.
static_assert(kDropCountQuery == 0xFFFFFFFFu);

std::uint32_t Win32Drops::QueryFile(DropRef drop, std::uint32_t index, char* buffer,
                                    std::uint32_t size) {
    HDROP files = FromRef<HDROP>(drop);
    if (index == kDropCountQuery)
        return DragQueryFileW(files, index, nullptr, 0);
    // The name in UTF-8: its length, or as much of it as fits with a zero.
    std::wstring wide(DragQueryFileW(files, index, nullptr, 0) + 1, L'\0');
    wide.resize(DragQueryFileW(files, index, wide.data(), static_cast<UINT>(wide.size())));
    const std::string name = Narrow(wide);
    if (!buffer)
        return static_cast<std::uint32_t>(name.size());
    if (size == 0)
        return 0;
    const std::size_t copied = name.copy(buffer, size - 1);
    buffer[copied] = '\0';
    return static_cast<std::uint32_t>(copied);
}

void Win32Drops::Finish(DropRef drop) {
    DragFinish(FromRef<HDROP>(drop));
}

} // namespace corvane::win32
