#pragma once
// Files dropped from the shell onto the options window: the drop handle and
// the names it carries.
#include "core/handles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// Asked as the count of names.
inline constexpr std::uint32_t kDropCountQuery = 0xFFFFFFFF;

class DropApi {
public:
    virtual ~DropApi() = default;
    // DragQueryFileW, the names in UTF-8: with kDropCountQuery the number of
    // names; with no buffer the length in bytes of name index without its
    // terminator; otherwise copies the name, cut to fit size with its
    // terminator.
    virtual std::uint32_t QueryFile(DropRef drop, std::uint32_t index, char* buffer,
                                    std::uint32_t size) = 0;
    // DragFinish.
    virtual void Finish(DropRef drop) = 0;
};

using OwnedDrop = Owned<DropRef, DropApi, &DropApi::Finish>;

// Every name of the drop, whole, in the shell's order.
std::vector<std::string> DroppedNames(DropApi& drops, DropRef drop);

} // namespace corvane
