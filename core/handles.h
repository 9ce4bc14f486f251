#pragma once
// Opaque handles that the portable logic passes around without knowing what
// they are. The Win32 layer converts them to and from the real handle types.
#include <cstdint>
#include <utility>

namespace corvane {

enum class WindowRef : std::uintptr_t { None = 0 };
enum class IconRef : std::uintptr_t { None = 0 };
enum class MenuRef : std::uintptr_t { None = 0 };
enum class BitmapRef : std::uintptr_t { None = 0 };
enum class ImageListRef : std::uintptr_t { None = 0 };
enum class DeviceContextRef : std::uintptr_t { None = 0 };
enum class RegKey : std::uintptr_t { None = 0 };
enum class DropRef : std::uintptr_t { None = 0 };

template <typename Ref> constexpr std::uintptr_t RawOf(Ref ref) {
    return static_cast<std::uintptr_t>(ref);
}
template <typename Ref> constexpr Ref RefOf(std::uintptr_t raw) {
    return static_cast<Ref>(raw);
}

// Owns one handle and gives it back through api's Release when it goes.
// Move-only; release() hands the handle over to whoever takes it.
template <typename Ref, typename Api, void (Api::*Release)(Ref)> class Owned {
public:
    Owned() = default;
    Owned(Api& api, Ref ref) : api_(&api), ref_(ref) {}
    ~Owned() { reset(); }
    Owned(Owned&& other) noexcept : api_(other.api_), ref_(std::exchange(other.ref_, Ref::None)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            reset();
            api_ = other.api_;
            ref_ = std::exchange(other.ref_, Ref::None);
        }
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Ref get() const { return ref_; }
    Ref release() { return std::exchange(ref_, Ref::None); }
    // Gives the handle held back, and holds ref instead.
    void reset(Ref ref = Ref::None) {
        if (ref_ != Ref::None)
            (api_->*Release)(std::exchange(ref_, Ref::None));
        ref_ = ref;
    }

private:
    Api* api_ = nullptr;
    Ref ref_ = Ref::None;
};

} // namespace corvane
