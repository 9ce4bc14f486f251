#pragma once
// The one place where Win32 handles become the logic's opaque references
// (core/handles.h) and back.
#include "core/handles.h"

#include <windows.h>

namespace corvane::win32 {

template <typename Ref, typename Handle> Ref ToRef(Handle handle) {
    return RefOf<Ref>(reinterpret_cast<std::uintptr_t>(handle));
}
template <typename Handle, typename Ref> Handle FromRef(Ref ref) {
    return reinterpret_cast<Handle>(RawOf(ref));
}

} // namespace corvane::win32
