#pragma once
// The pop-up menu on real menus.
#include "tray/menu_api.h"

#include <map>
#include <memory>
#include <vector>

namespace corvane::win32 {

// The record a screen reader reads an owner-drawn item's name from.
struct SpokenNameRecord;

class Win32Menus : public MenuApi {
public:
    Win32Menus();
    ~Win32Menus() override;
    MenuRef CreatePopupMenu() override;
    void DestroyMenu(MenuRef menu) override;
    void AppendOwnerDraw(MenuRef menu, std::uint32_t id, const std::string& spokenName) override;
    void AppendSeparator(MenuRef menu) override;
    void AppendString(MenuRef menu, std::uint32_t id, const char* text) override;
    void DispatchWaitingMessages() override;
    bool TrackPopupMenu(MenuRef menu, int x, int y, WindowRef owner) override;
    void PostNull(WindowRef window) override;
    void CursorPos(int& x, int& y) override;
    MonitorPlace MonitorAt(int x, int y) override;
    int HighlightedPosition(MenuRef menu) override;

    // How many records live: one for each owner-drawn item of the menus not
    // destroyed.
    std::size_t SpokenNamesAlive() const;

private:
    // The records of each menu's owner-drawn items: the items point to them,
    // so they go when the menu goes.
    std::map<MenuRef, std::vector<std::unique_ptr<SpokenNameRecord>>> spokenNames_;
};

} // namespace corvane::win32
