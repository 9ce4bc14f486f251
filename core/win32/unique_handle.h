#pragma once
// A move-only owner of one Win32 handle, closed by its traits' Close when the
// owner goes. release() hands the handle over when the system takes ownership
// of it. Every floor's Win32 layer names its own traits.
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

} // namespace corvane::win32
