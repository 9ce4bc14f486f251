#include "tray/popup_menu.h"

#include "tray/menu_commands.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace corvane {
namespace {

// What a screen reader speaks for a row that shows text. It reads the name as
// a plain item's text, where a single "&" marks the next letter as the row's
// key and is not spoken; a drawn row shows every "&" as it is and has no
// such key, so each one is doubled to be spoken as shown.
std::string SpokenName(std::string_view shown) {
    std::string spoken;
    for (const char c : shown) {
        if (c == '&')
            spoken += '&';
        spoken += c;
    }
    return spoken;
}

} // namespace

void PopupMenu::Rebuild() {
    menu_.reset();
    menu_.reset(menus_.CreatePopupMenu());
    const MenuRef menu = menu_.get();
    if (popUp_) {
        // Rows are measured and drawn from the table; their data is only the
        // name a screen reader speaks, the description they show.
        for (int i = 0; i < table_.Count(); ++i)
            menus_.AppendOwnerDraw(menu, EntryCommand(i), SpokenName(table_.At(i).description));
        menus_.AppendSeparator(menu);
    }
    menus_.AppendOwnerDraw(menu, kCmdPathRecall, SpokenName(kPathRecallText));
    menus_.AppendString(menu, kCmdOptions, "Options...");
    menus_.AppendString(menu, kCmdHelp, "Help");
    menus_.AppendString(menu, kCmdExit, "Exit Corvane");
    LookUpEntryIcons();
    LookUpExplorerIcon();
}

void PopupMenu::Destroy() {
    menu_.reset();
    entryIcons_.clear();
    explorerIcon_.reset();
}

void PopupMenu::SetSmallIcons(bool small) {
    const int height = small ? kSmallItemHeight : kLargeItemHeight;
    if (height == itemHeight_)
        return;
    itemHeight_ = height;
    if (Exists())
        LookUpEntryIcons();
}

void PopupMenu::AddBanner(int dpi, OwnedBitmap banner) {
    if (banner.get() == BitmapRef::None)
        return;
    auto at = banners_.begin();
    while (at != banners_.end() && at->dpi < dpi)
        ++at;
    banners_.insert(at, Banner{dpi, std::move(banner)});
}

const PopupMenu::Banner* PopupMenu::BannerForDpi() const {
    const Banner* chosen = nullptr;
    for (const Banner& banner : banners_)
        if (banner.dpi <= dpi_ || !chosen)
            chosen = &banner;
    return chosen;
}

MenuCharAnswer PopupMenu::AnswerMenuChar(char16_t typed, MenuRef menu) const {
    if (!Exists() || menu != menu_.get())
        return {};
    // By position: the entry rows and the separator in pop-up mode, then
    // PathRecall.
    std::vector<std::string> rows;
    if (popUp_) {
        for (int i = 0; i < table_.Count(); ++i)
            rows.push_back(table_.At(i).description);
        rows.emplace_back();
    }
    rows.emplace_back(kPathRecallText);
    return ChooseRowByLetter(typed, rows, menus_.HighlightedPosition(menu));
}

MenuOutcome PopupMenu::Track(int x, int y, WindowRef owner) {
    if (!Exists())
        return MenuOutcome::NotShown;
    // The rows' icons are looked up again for another DPI.
    const MonitorPlace monitor = menus_.MonitorAt(x, y);
    if (monitor.dpi != dpi_) {
        dpi_ = monitor.dpi;
        LookUpEntryIcons();
        LookUpExplorerIcon();
    }
    // From a point in the task bar the menu would cover it: the point moves
    // into the work area, and the system keeps the menu on that side of it.
    const Rect& work = monitor.workArea;
    x = std::clamp(x, work.left, std::max(work.left, work.right - 1));
    y = std::clamp(y, work.top, std::max(work.top, work.bottom - 1));
    const bool chosen = menus_.TrackPopupMenu(menu_.get(), x, y, owner);
    menus_.PostNull(owner);
    return chosen ? MenuOutcome::Chosen : MenuOutcome::Dismissed;
}

MenuOutcome PopupMenu::ShowAtCursor(WindowRef owner) {
    int x = 0;
    int y = 0;
    menus_.CursorPos(x, y);
    // The handlers of the messages waiting may rebuild the menu, or destroy
    // it on the way out: the menu is taken as it stands after them.
    menus_.DispatchWaitingMessages();
    if (!Exists())
        return MenuOutcome::NotShown;
    if (!bannersLoaded_)
        LoadBanners();
    return Track(x, y, owner);
}

void PopupMenu::LoadBanners() {
    bannersLoaded_ = true;
    for (const auto& [dpi, name] : {std::pair{96, "STRIPE"}, std::pair{120, "STRIPE120"},
                                    std::pair{144, "STRIPE144"}, std::pair{192, "STRIPE192"}})
        AddBanner(dpi, OwnedBitmap(system_, system_.LoadBitmapResource(name)));
}

} // namespace corvane
