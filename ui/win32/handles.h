#pragma once
// Move-only owners of the window layer's own Win32 handles. release() hands a
// handle over when the system takes ownership of it. (The drawing objects of
// the menu rows have their owners in tray/win32/menu_painter_win32.cpp, the
// menu and the banner in tray/ and core/.)
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace corvane::win32 {

template <typename Traits> class UniqueHandle {
public:
    using handle_type = typename Traits::handle_type;

    UniqueHandle() = default;
    explicit UniqueHandle(handle_type handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    handle_type get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    handle_type release() { return std::exchange(handle_, nullptr); }
    void reset(handle_type handle = nullptr) {
        if (handle_)
            Traits::Close(handle_);
        handle_ = handle;
    }

private:
    handle_type handle_ = nullptr;
};

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
