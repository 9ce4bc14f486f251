#pragma once
// The pop-up menu on real menus.
#include "tray/menu_api.h"

namespace corvane::win32 {

class Win32Menus : public MenuApi {
public:
    MenuRef CreatePopupMenu() override;
    void DestroyMenu(MenuRef menu) override;
    void AppendOwnerDraw(MenuRef menu, std::uint32_t id, const char* data) override;
    void AppendSeparator(MenuRef menu) override;
    void AppendString(MenuRef menu, std::uint32_t id, const char* text) override;
    void DispatchWaitingMessages() override;
    bool TrackPopupMenu(MenuRef menu, int x, int y, WindowRef owner) override;
    void PostNull(WindowRef window) override;
    void CursorPos(int& x, int& y) override;
    MonitorPlace MonitorAt(int x, int y) override;
    int HighlightedPosition(MenuRef menu) override;
};

} // namespace corvane::win32
