#pragma once
// Dropped files on DragQueryFileW and DragFinish.
#include "ui/dropped_files.h"

namespace corvane::win32 {

class Win32Drops : public DropApi {
public:
    std::uint32_t QueryFile(DropRef drop, std::uint32_t index, char* buffer,
                            std::uint32_t size) override;
    void Finish(DropRef drop) override;
};

} // namespace corvane::win32
