#pragma once
// The owner-drawn item requests of WM_MEASUREITEM and WM_DRAWITEM, in the
// shape of MEASUREITEMSTRUCT and DRAWITEMSTRUCT.
#include "core/handles.h"
#include "tray/canvas.h"

#include <cstdint>

namespace corvane {

inline constexpr std::uint32_t kOdtMenu = 1;
inline constexpr std::uint32_t kOdtListBox = 2;
inline constexpr std::uint32_t kOdaDrawEntire = 1;
inline constexpr std::uint32_t kOdsSelected = 1;

struct MeasureItemRequest {
    std::uint32_t CtlType = 0;
    std::uint32_t CtlID = 0;
    std::uint32_t itemID = 0;
    std::uint32_t itemWidth = 0;
    std::uint32_t itemHeight = 0;
    std::uintptr_t itemData = 0;
};

struct DrawItemRequest {
    std::uint32_t CtlType = 0;
    std::uint32_t CtlID = 0;
    std::uint32_t itemID = 0;
    std::uint32_t itemAction = 0;
    std::uint32_t itemState = 0;
    // The menu's handle for menu items, the control's window otherwise.
    std::uintptr_t hwndItem = 0;
    DeviceContextRef hDC = DeviceContextRef::None;
    Rect rcItem;
    std::uintptr_t itemData = 0;
};

} // namespace corvane
