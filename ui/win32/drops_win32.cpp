#include "ui/win32/drops_win32.h"

#include "core/win32/handle_refs.h"

#include <shellapi.h>

namespace corvane::win32 {

// DragQueryFileA's index that asks for the number of names.
static_assert(kDropCountQuery == 0xFFFFFFFFu);

std::uint32_t Win32Drops::QueryFile(DropRef drop, std::uint32_t index, char* buffer,
                                    std::uint32_t size) {
    return DragQueryFileA(FromRef<HDROP>(drop), index, buffer, size);
}

void Win32Drops::Finish(DropRef drop) {
    DragFinish(FromRef<HDROP>(drop));
}

} // namespace corvane::win32
