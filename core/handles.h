#pragma once
// Opaque handles that the portable logic passes around without knowing what
// they are. The Win32 layer converts them to and from the real handle types.
#include <cstdint>

namespace corvane {

enum class WindowRef : std::uintptr_t { None = 0 };
enum class IconRef : std::uintptr_t { None = 0 };
enum class MenuRef : std::uintptr_t { None = 0 };
enum class BitmapRef : std::uintptr_t { None = 0 };
enum class ImageListRef : std::uintptr_t { None = 0 };
enum class DeviceContextRef : std::uintptr_t { None = 0 };
enum class RegKey : std::uintptr_t { None = 0 };

template <typename Ref> constexpr std::uintptr_t RawOf(Ref ref) {
    return static_cast<std::uintptr_t>(ref);
}
template <typename Ref> constexpr Ref RefOf(std::uintptr_t raw) {
    return static_cast<Ref>(raw);
}

} // namespace corvane
