#pragma once
// Owners of the window layer's own Win32 handles (core/win32/unique_handle.h).
// (The drawing objects of the menu rows have their owners in
// tray/win32/menu_painter_win32.cpp, the menu and the banner in tray/ and
// core/.)
#include "core/win32/unique_handle.h"

#include <windows.h>
#include <commctrl.h>

namespace corvane::win32 {

struct FontTraits {
    using handle_type = HFONT;
    static void Close(HFONT h) { DeleteObject(h); }
};
struct IconTraits {
    using handle_type = HICON;
    static void Close(HICON h) { DestroyIcon(h); }
};
struct ImageListTraits {
    using handle_type = HIMAGELIST;
    static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
};

using UniqueFont = UniqueHandle<FontTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
struct KernelHandleTraits {
    using handle_type = HANDLE;
    static void Close(HANDLE h) { CloseHandle(h); }
};

using UniqueImageList = UniqueHandle<ImageListTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

} // namespace corvane::win32
