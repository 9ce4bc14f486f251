// The launcher's answers to tray clicks, menu commands, the hot key, the
// options page and the hook library's reports.
#include "app/launcher.h"
#include "core/hot_key.h"
#include "core/launch.h"
#include "core/show_commands.h"
#include "core/text.h"
#include "tray/menu_commands.h"
#include "tray/tray_notify.h"
#include "ui/entry_editor.h"

#include <stdexcept>

namespace corvane {
namespace {

// Beside the program: the help file of an older install, and the help page.
constexpr const char* kHelpFile = "Corvane.hlp";
constexpr const char* kHelpPage = "Corvane.html";

} // namespace

void Launcher::LaunchSlot(int slot, int showCommand) {
    if (!table_.IsUsed(slot))
        return;
    const Entry& entry = table_.At(slot);
    // A path Explorer cannot be given (not absolute, or with a double quote)
    // shows nothing.
    if (env_.menus.ShiftIsDown())
        explorer_.ShowInFolder(env_.view.Handle(), FileToOpen(env_.system, entry));
    else
        Launch(entry, showCommand);
}

void Launcher::Launch(const Entry& entry, int showCommand) {
    if (!LaunchEntry(env_.shell, env_.system, env_.view.Handle(), entry, showCommand))
        env_.view.ShowMessage(kPathTooLong, "Error");
}

void Launcher::OnTrayNotify(std::uint32_t id, std::uint32_t mouseMessage) {
    switch (TrayActionFor(options_.singleClick, popUp_, mouseMessage)) {
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
    int x = 0;
    int y = 0;
    env_.menus.CursorPos(x, y);
    // The menu closes properly when the user clicks elsewhere only if the
    // program is in the foreground.
    env_.view.TakeForeground();
    env_.menus.DispatchWaitingMessages();
    // The handlers just run may have rebuilt the menu, or destroyed it on the
    // way out: the menu is taken as it stands now.
    return menu_.Track(x, y, env_.view.Handle());
}

void Launcher::ShowOptions() {
    if (!env_.view.OptionsWindowMade())
        MakeOptionsWindow();
    env_.view.ShowOptionsWindow();
    env_.view.RestoreApplicationWindow();
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

void Launcher::LoadHotKey(std::optional<std::uint16_t> stored) {
    if (!stored)
        return;
    if (IsUsableHotKey(*stored) && ChangeHotKey(*stored))
        ShowHotKey();
}

void Launcher::ShowHotKey() {
    if (env_.view.OptionsWindowMade())
        env_.view.SetHotKey(hotKey_);
}

bool Launcher::ChangeHotKey(std::uint16_t hotKey) {
    // A key that types a character is refused before the key held is let go.
    std::string refusal = HotKeyTakesCharacterText(hotKey, env_.system.TypedByKey(hotKey));
    if (refusal.empty()) {
        // Letting go of none is harmless.
        env_.view.UnregisterHotKey();
        if (hotKey == 0 || env_.view.RegisterHotKey(hotKey)) {
            hotKey_ = hotKey;
            return true;
        }
        if (hotKey_ != 0)
            env_.view.RegisterHotKey(hotKey_);
        refusal = HotKeyInUseText(hotKey);
    }
    // Told at once, and the control goes back to the key held.
    env_.view.ShowMessage(refusal, kApplicationTitle);
    ShowHotKey();
    return false;
}

void Launcher::OnHotKeyChanged() {
    // Modifiers let go with no key leave the control showing none: only
    // Backspace or Delete clear the key, so the control shows it again.
    if (const std::uint16_t shown = env_.view.HotKey(); shown != 0)
        TakeHotKey(shown);
    else
        env_.view.SetHotKey(hotKey_);
}

void Launcher::OnHotKeyCleared() {
    env_.view.SetHotKey(0);
    TakeHotKey(0);
}

void Launcher::TakeHotKey(std::uint16_t wanted) {
    if (!IsUsableHotKey(wanted) || wanted == hotKey_ || !ChangeHotKey(wanted))
        return;
    // Stored the moment it changes: it is in force from now on. A failure
    // goes to the window's general error report, and ends what called.
    if (const WriteFailure failure = store_.SaveHotKey(hotKey_))
        throw std::runtime_error(*failure);
}

void Launcher::OnMenuCommand(std::uint32_t wParam) {
    const MenuCommand command = DecodeMenuCommand(wParam);
    switch (command.kind) {
    case MenuCommand::Kind::Entry:
        // A row left over from a table that has since shrunk starts nothing.
        LaunchSlot(command.slot, ShowCommandFor(table_.At(command.slot).startMode));
        return;
    case MenuCommand::Kind::PathRecall:
        explorer_.Recall(env_.view.Handle());
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
    const std::string folder = FolderPart(programPath_);
    // A help file of an older install, beside the program, is what its user
    // knows; else the page that comes with the program, in the user's browser.
    if (env_.files.IsFile(folder + kHelpFile)) {
        env_.shell.Execute(env_.view.Handle(), nullptr, kHelpFile, "", folder.c_str(), kSwShow);
        return;
    }
    const std::string page = folder + kHelpPage;
    if (!env_.files.IsFile(page))
        throw std::runtime_error("The help page " + page + " is missing");
    env_.shell.Execute(env_.view.Handle(), "open", page.c_str(), "", folder.c_str(), kSwShow);
}

void Launcher::OnHideToggled(bool checked) {
    options_.hideOnStart = checked;
}

void Launcher::OnSingleClickToggled(bool checked) {
    options_.singleClick = checked;
}

void Launcher::OnPopUpToggled(bool checked) {
    options_.popUp = checked;
    env_.view.SetEnabled(Ctl::SmallIconsBox, checked);
}

void Launcher::OnSmallIconsToggled(bool checked) {
    TakeSmallIcons(checked);
}

void Launcher::TakeSmallIcons(bool small) {
    ShowSmallIcons(small);
    // Stored at once. A failure goes to the window's general error report,
    // and ends what called.
    if (const WriteFailure failure = store_.SaveSmallIcons(small))
        throw std::runtime_error(*failure);
    menu_.Rebuild();
}

} // namespace corvane
