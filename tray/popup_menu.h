#pragma once
// The pop-up launcher menu: entry rows drawn by the program (in pop-up mode),
// PathRecall, "Options...", "Help" and "Exit Corvane". It owns the menu and
// the side banner, and measures and draws its rows from the entry table as it
// stands when the request comes. The rows' icons are asked of the shell when
// the menu is built, never while it paints: a slow file would otherwise stall
// every repaint. Building and running the menu is in popup_menu.cpp, the
// rows' sizes and pictures in menu_drawing.cpp.
#include "core/design_units.h"
#include "core/entry.h"
#include "core/system_api.h"
#include "tray/menu_api.h"
#include "tray/menu_keys.h"
#include "tray/menu_rows.h"
#include "tray/tray_icons.h"

#include <string>
#include <vector>

namespace corvane {

// Row heights of the entry rows with small and with large icons, in design
// units (core/design_units.h): the menu scales them to the DPI it opens at.
inline constexpr int kSmallItemHeight = 22;
inline constexpr int kLargeItemHeight = 38;
// What the PathRecall row shows.
inline constexpr const char* kPathRecallText = "PathRecaller";

// How a run of the menu ended.
enum class MenuOutcome { NotShown, Chosen, Dismissed };

class PopupMenu {
public:
    PopupMenu(MenuApi& menus, FileIcons& fileIcons, SystemApi& system, const EntryTable& table)
        : menus_(menus), fileIcons_(fileIcons), system_(system), table_(table),
          menu_(menus, MenuRef::None) {}

    // The look chosen at start.
    void SetPopUp(bool popUp) { popUp_ = popUp; }
    // The side banner drawn for dpi; the menu shows the one drawn for the
    // highest DPI not above its own, at its own size.
    void AddBanner(int dpi, OwnedBitmap banner);
    void SetExplorerPath(std::string path) { explorerPath_ = std::move(path); }
    // A new size looks the entry rows' icons up again.
    void SetSmallIcons(bool small);

    // An empty menu, until the first rebuild.
    void CreateEmpty() { menu_.reset(menus_.CreatePopupMenu()); }
    // A new menu for the table as it stands, with its icons.
    void Rebuild();
    // The menu and its icons go.
    void Destroy();
    bool Exists() const { return menu_.get() != MenuRef::None; }

    // Runs the menu at x, y (right-aligned, inside the work area of that
    // point's monitor, at its DPI) for owner; nothing when the menu is gone.
    // A chosen command reaches owner as WM_COMMAND once the menu has closed.
    MenuOutcome Track(int x, int y, WindowRef owner);
    // Runs the menu where the mouse is, once the messages waiting have been
    // handled. The program's banners are loaded the first time.
    MenuOutcome ShowAtCursor(WindowRef owner);

    // A row's size, its text measured in the menu's font at the menu's DPI;
    // nothing for an item the program does not draw.
    std::optional<Extent> Measure(const DrawnItem& item, TextMeasure& measure) const;
    // What a row shows where; nothing for an item the program does not draw.
    std::optional<RowPicture> Picture(const DrawnItem& item) const;
    // WM_MENUCHAR of the owner window: a letter typed in menu chooses among
    // the rows the program draws by the text they show (the plain rows are
    // the system's). Ignored for any other menu.
    MenuCharAnswer AnswerMenuChar(char16_t typed, MenuRef menu) const;

private:
    // The entry rows' icons at the rows' size (none outside pop-up mode), and
    // Explorer's.
    void LookUpEntryIcons();
    void LookUpExplorerIcon();
    // A length in design units at the menu's DPI.
    int Scaled(int units) const { return ScaleToDpi(units, dpi_); }
    struct Banner {
        int dpi;
        OwnedBitmap bitmap;
    };
    const Banner* BannerForDpi() const;
    // The program's banner drawn for each DPI it has one for.
    void LoadBanners();

    MenuApi& menus_;
    FileIcons& fileIcons_;
    // Where the icon paths' environment variables are looked up.
    SystemApi& system_;
    const EntryTable& table_;
    OwnedMenu menu_;
    // By rising DPI.
    std::vector<Banner> banners_;
    bool bannersLoaded_ = false;
    std::string explorerPath_;
    // The icons drawn in the rows, by slot, and Explorer's for PathRecall.
    std::vector<ScopedIcon> entryIcons_;
    ScopedIcon explorerIcon_;
    bool popUp_ = false;
    int itemHeight_ = kLargeItemHeight;
    int dpi_ = kDesignDpi;
};

} // namespace corvane
