// The launcher's answers to tray clicks, menu commands, the hot key, the
// options page and the hook library's reports.
#include "app/launcher.h"
#include "core/show_commands.h"
#include "core/text.h"
#include "tray/menu_commands.h"
#include "tray/tray_notify.h"

#include <stdexcept>

namespace corvane {

void Launcher::LaunchSlot(int slot, int showCommand) {
    if (table_.IsUsed(slot) &&
        !starter_.StartOrShowInFolder(view_.Handle(), table_.At(slot), showCommand))
        view_.ShowMessage(kPathTooLong, "Error");
}

void Launcher::Launch(const Entry& entry, int showCommand) {
    if (!starter_.Start(view_.Handle(), entry, showCommand))
        view_.ShowMessage(kPathTooLong, "Error");
}

void Launcher::OnTrayNotify(std::uint32_t id, std::uint32_t mouseMessage) {
    switch (TrayActionFor(options_.singleClick, tray_.PopUp(), mouseMessage)) {
    case TrayAction::LaunchEntry:
        // From its own icon an entry opens visibly, whatever its start mode.
        LaunchSlot(table_.FindByIconId(static_cast<std::int32_t>(id)), kSwShow);
        return;
    case TrayAction::ShowMenu:
        // Enter or Space on an icon chosen with the keyboard comes as a right
        // press and release: a menu closed with no choice (Esc) gives the
        // focus back to the tray, at that icon.
        if (ShowPopupMenu() == MenuOutcome::Dismissed)
            tray_.ReturnFocus(static_cast<int>(id));
        return;
    case TrayAction::None:
        return;
    }
}

MenuOutcome Launcher::ShowPopupMenu() {
    // The menu closes properly when the user clicks elsewhere only if the
    // program is in the foreground.
    view_.TakeForeground();
    return menu_.ShowAtCursor(view_.Handle());
}

void Launcher::ShowOptions() {
    if (!view_.OptionsWindowMade())
        MakeOptionsWindow();
    view_.ShowOptionsWindow();
    view_.RestoreApplicationWindow();
}

void Launcher::OnTrayRestarted() {
    tray_.Restore();
}

std::optional<Extent> Launcher::OnMeasureItem(const DrawnItem& item, TextMeasure& measure) {
    return menu_.Measure(item, measure);
}

std::optional<RowPicture> Launcher::OnDrawItem(const DrawnItem& item) {
    return menu_.Picture(item);
}

MenuCharAnswer Launcher::OnMenuChar(char16_t typed, MenuRef menu) {
    return menu_.AnswerMenuChar(typed, menu);
}

void Launcher::OnHotKey() {
    ShowPopupMenu();
}

void Launcher::OnHotKeyChanged() {
    // A failure to store goes to the window's general error report.
    hotKey_.OnControlChanged();
}

void Launcher::OnHotKeyCleared() {
    hotKey_.OnControlCleared();
}

void Launcher::OnMenuCommand(std::uint32_t wParam) {
    const MenuCommand command = DecodeMenuCommand(wParam);
    switch (command.kind) {
    case MenuCommand::Kind::Entry:
        // A row left over from a table that has since shrunk starts nothing.
        LaunchSlot(command.slot, ShowCommandFor(table_.At(command.slot).startMode));
        return;
    case MenuCommand::Kind::PathRecall:
        explorer_.Recall(view_.Handle());
        return;
    case MenuCommand::Kind::Options:
        ShowOptions();
        return;
    case MenuCommand::Kind::Exit:
        QuitApp();
        return;
    case MenuCommand::Kind::Help:
        OnHelp();
        return;
    case MenuCommand::Kind::None:
        return;
    }
}

void Launcher::OnDpiChanged() {
    // Looked up again at the list's new size, not scaled from the old one.
    editor_.ShowListIconsAgain(table_);
}

void Launcher::OnExplorerWindow(WindowRef window, std::intptr_t code) {
    explorer_.OnWindowReported(window, code);
}

void Launcher::OnHelp() {
    // A missing help page goes to the window's general error report.
    starter_.OpenHelp(view_.Handle());
}

void Launcher::OnHideToggled(bool checked) {
    options_.hideOnStart = checked;
}

void Launcher::OnSingleClickToggled(bool checked) {
    options_.singleClick = checked;
}

void Launcher::OnPopUpToggled(bool checked) {
    options_.popUp = checked;
    view_.SetEnabled(Ctl::SmallIconsBox, checked);
}

void Launcher::OnSmallIconsToggled(bool checked) {
    Options chosen = options_;
    chosen.smallIcons = checked;
    ApplyOptions(chosen);
    StoreSmallIcons();
    menu_.Rebuild();
}

void Launcher::ApplyOptions(const Options& options) {
    options_ = options;
    menu_.SetSmallIcons(options.smallIcons);
    ShowOptionBoxes();
}

void Launcher::ShowOptionBoxes() {
    if (!view_.OptionsWindowMade())
        return;
    view_.SetChecked(Ctl::HideOnStartBox, options_.hideOnStart);
    view_.SetChecked(Ctl::SingleClickBox, options_.singleClick);
    view_.SetChecked(Ctl::PopUpBox, options_.popUp);
    view_.SetChecked(Ctl::SmallIconsBox, options_.smallIcons);
    view_.SetEnabled(Ctl::SmallIconsBox, options_.popUp);
}

void Launcher::StoreSmallIcons() {
    // Stored at once. A failure goes to the window's general error report,
    // and ends what called.
    if (const WriteFailure failure = store_.SaveSmallIcons(options_.smallIcons))
        throw std::runtime_error(*failure);
}

} // namespace corvane
