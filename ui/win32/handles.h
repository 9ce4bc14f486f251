#pragma once
// Move-only owners of Win32 handles. Each kind counts how many of its handles
// are alive, so tests can see a leak that the system itself will not show.
// release() hands a handle over when the system takes ownership of it.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <utility>

namespace corvane::win32 {

template <typename Traits> class UniqueHandle {
public:
    using handle_type = typename Traits::handle_type;

    UniqueHandle() = default;
    explicit UniqueHandle(handle_type handle) : handle_(handle) {
        if (handle_)
            ++live_;
    }
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

    handle_type release() {
        if (handle_)
            --live_;
        return std::exchange(handle_, nullptr);
    }
    void reset(handle_type handle = nullptr) {
        if (handle_) {
            Traits::Close(handle_);
            --live_;
        }
        handle_ = handle;
        if (handle_)
            ++live_;
    }

    static long Live() { return live_.load(); }

private:
    handle_type handle_ = nullptr;
    static inline std::atomic<long> live_{0};
};

struct IconTraits {
    using handle_type = HICON;
    static void Close(HICON h) { DestroyIcon(h); }
};
struct GdiObjectTraits {
    using handle_type = HGDIOBJ;
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct BrushTraits {
    using handle_type = HBRUSH;
    static void Close(HBRUSH h) { DeleteObject(h); }
};
struct BitmapTraits {
    using handle_type = HBITMAP;
    static void Close(HBITMAP h) { DeleteObject(h); }
};
struct FontTraits {
    using handle_type = HFONT;
    static void Close(HFONT h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    using handle_type = HDC;
    static void Close(HDC h) { DeleteDC(h); }
};
struct MenuTraits {
    using handle_type = HMENU;
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct RegKeyTraits {
    using handle_type = HKEY;
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct ImageListTraits {
    using handle_type = HIMAGELIST;
    static void Close(HIMAGELIST h) { ImageList_Destroy(h); }
};

using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueBrush = UniqueHandle<BrushTraits>;
using UniqueBitmap = UniqueHandle<BitmapTraits>;
using UniqueFont = UniqueHandle<FontTraits>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueImageList = UniqueHandle<ImageListTraits>;

// A device context borrowed from a window with GetDC, given back on the way out.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {
        if (dc_)
            ++live_;
    }
    ~WindowDc() {
        if (dc_) {
            ReleaseDC(window_, dc_);
            --live_;
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    static long Live() { return live_.load(); }

private:
    HWND window_;
    HDC dc_;
    static inline std::atomic<long> live_{0};
};

// Selects an object into a DC and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace corvane::win32
