// Start-up, the start-up timer, saving, and every way the program ends.
#include "app/launcher.h"
#include "core/show_commands.h"
#include "ui/options_page.h"

#include <utility>

namespace corvane {
namespace {

const char* const kEndWithoutSaving = "Corvane could not save your entries. End without saving?";
const char* const kEntriesKept =
    " The entries are kept as stored and cannot be changed in this run.";
// At log-on the shell's tray may not be ready yet: the icons it refuses are
// added again every 5 s for two minutes (and whenever the tray starts).
constexpr unsigned kTrayRetryMilliseconds = 5000;
constexpr int kTrayRetries = 24;

} // namespace

Launcher::Launcher(const Platform& platform)
    : env_(platform), registry_(platform.registry), tray_(platform.shellIcons, platform.system),
      menu_(platform.menus, platform.shellIcons, platform.system, table_),
      explorer_(platform.system, platform.shell, platform.folders),
      editor_(EditorPlatform{platform.view, platform.shellIcons, platform.dialogs, platform.links,
                             platform.files, platform.system}) {}

void Launcher::OnCreate() {
    FormView& view = env_.view;
    const WindowRef self = view.Handle();
    tray_.SetOwner(self);

    explorer_.Start();
    menu_.SetExplorerPath(explorer_.ExplorerPath());
    env_.hook.Start(self);
    // The menu's side banner, drawn for each of these DPIs.
    for (const auto& [dpi, name] : {std::pair{96, "STRIPE"}, std::pair{120, "STRIPE120"},
                                    std::pair{144, "STRIPE144"}, std::pair{192, "STRIPE192"}})
        menu_.AddBanner(dpi, OwnedBitmap(env_.system, env_.system.LoadBitmapResource(name)));
    menu_.CreateEmpty();
    programPath_ = env_.system.ProgramPath();

    registry_.OpenKey(kSettingsKey, true);
    const std::optional<int> count = StoredEntryCount(registry_);
    if (!count) {
        // First run: write the defaults; the timer finishes the set-up. The
        // menu holds its commands from the start: the first entry added gets
        // a tray icon whose right click opens it.
        WriteFirstRunDefaults(registry_);
        menu_.Rebuild();
        return;
    }

    popUp_ = ReadBoolOr(registry_, kValPopUpIt, false);
    menu_.SetPopUp(popUp_);
    ShowSmallIcons(ReadBoolOr(registry_, kValSmallIcons, false));

    if (popUp_)
        tray_.AddMainIcon();

    LoadEntries(*count);
    menu_.Rebuild();
    if (table_.Count() > 0)
        editor_.Select(0, table_);
    ReadOptionsAfterLoad();
    if (tray_.AnyRefused())
        view.StartTrayRetryTimer(kTrayRetryMilliseconds);
}

void Launcher::LoadEntries(int count) {
    unreadEntry_ = ReadEntries(registry_, count, [this](Entry entry) {
        // Each entry starts as soon as it is read, before its icon and row.
        if (entry.AutoStart)
            Launch(entry, ShowCommandFor(entry.StartMode));
        AppendEntry(std::move(entry));
    });
    table_.MarkStored();
}

void Launcher::AppendEntry(Entry entry) {
    if (!popUp_)
        tray_.AddEntryIcon(entry, table_.NextIconId());
    const int slot = table_.Append(std::move(entry));
    editor_.ShowAppended(table_, slot);
}

void Launcher::ReadOptionsAfterLoad() {
    FormView& view = env_.view;
    registry_.OpenKey(kSettingsKey, true);
    singleClick_ = ReadBoolOr(registry_, kValSingleClick, false);
    view.SetChecked(Ctl::cbSingle, singleClick_);
    view.SetChecked(Ctl::cbPopUp, popUp_);
    const bool hide = ReadBoolOr(registry_, kValHideOnStart, false);
    view.SetChecked(Ctl::chkHide, hide);
    if (hide && table_.Count() > 0)
        view.HideApplicationWindow();
}

void Launcher::ShowSmallIcons(bool small) {
    env_.view.SetChecked(Ctl::cbSmallIcons, small);
    menu_.SetSmallIcons(small);
}

void Launcher::OnStartupTimer() {
    FormView& view = env_.view;
    view.StopStartupTimer();
    // A run that could not read every entry is no first run, even with none
    // read.
    if (table_.Count() == 0 && !unreadEntry_)
        view.ShowWelcome();
    registry_.OpenKey(kSettingsKey, true);
    try {
        const bool hide = registry_.ReadBool(kValHideOnStart);
        view.SetChecked(Ctl::chkHide, hide);
        if (hide && table_.Count() > 0)
            view.HideOptionsWindow();
        view.SetOptionsWindowNormal();
        view.SetChecked(Ctl::cbPopUp, registry_.ReadBool(kValPopUpIt));
        ShowSmallIcons(registry_.ReadBool(kValSmallIcons));
        view.SetEnabled(Ctl::cbSmallIcons, view.Checked(Ctl::cbPopUp));
    } catch (const ERegistryException&) {
        // Repair the options from what the boxes show.
        try {
            const Options boxes = OptionBoxes(view);
            registry_.OpenKey(kSettingsKey, true);
            WriteOptions(registry_, boxes);
            registry_.WriteBool(kValSmallIcons, boxes.smallIcons);
        } catch (const ERegistryException&) {
            // Nothing more can be done for the store now; the program runs on.
        }
    } catch (...) {
        // Anything else ends the timer's work quietly.
    }
    LoadHotKey();
    TellEntriesReadOnly();
}

bool Launcher::TellEntriesReadOnly() {
    if (unreadEntry_)
        env_.view.ShowMessage(ErrorReportText(*unreadEntry_) + kEntriesKept, kApplicationTitle);
    return unreadEntry_.has_value();
}

void Launcher::WriteStore() {
    // The boxes, not the running mode: a change of pop-up mode reaches the
    // next start.
    const Options boxes = OptionBoxes(env_.view);
    if (!unreadEntry_) {
        WriteSettings(registry_, boxes, table_);
        table_.MarkStored();
        return;
    }
    registry_.OpenKey(kSettingsKey, true);
    WriteOptions(registry_, boxes);
}

void Launcher::OnTrayRetryTimer() {
    tray_.RetryRefused(table_, popUp_);
    const bool givingUp = ++trayRetries_ >= kTrayRetries;
    if (givingUp || !tray_.AnyRefused())
        env_.view.StopTrayRetryTimer();
    // Never out of reach: with no icon in the tray, the options window shows.
    if (givingUp && tray_.NoneShown(table_, popUp_))
        ShowOptions();
}

Launcher::SaveOutcome Launcher::SaveSettings() {
    WriteStore();
    // An empty table has nothing to launch, unless its entries could not be
    // read: that run never ends by itself.
    if (table_.Count() == 0 && !unreadEntry_) {
        env_.view.EndProgram();
        return SaveOutcome::ProgramEnded;
    }
    // With no icon of the program in the tray, nothing would bring the
    // window back: it stays.
    if (tray_.NoneShown(table_, popUp_))
        return SaveOutcome::Saved;
    env_.view.HideApplicationWindow();
    env_.view.HideOptionsWindow();
    return SaveOutcome::Saved;
}

void Launcher::OnMinimize() {
    SaveSettings();
}

void Launcher::QuitApp() {
    try {
        if (SaveSettings() == SaveOutcome::ProgramEnded)
            return;
    } catch (const ERegistryException& error) {
        // The general error report, then a way out of a store that cannot be
        // written: the store stays as it was last written.
        env_.view.ShowMessage(ErrorReportText(error.what()), kApplicationTitle);
        if (!env_.view.AskYesNo(kEndWithoutSaving, kApplicationTitle))
            return;
    }
    menu_.Destroy();
    tray_.RemoveEntryIcons(table_);
    env_.view.EndProgram();
}

void Launcher::OnClose() {
    QuitApp();
}

void Launcher::OnDestroy() {
    env_.hook.Stop();
    // No icon is left behind in the tray, whichever way the program ends.
    if (popUp_)
        tray_.RemoveMainIcon();
}

void Launcher::OnEndSession() {
    try {
        WriteStore();
    } catch (const ERegistryException&) {
        // The session is ending; there is nobody left to tell.
    }
    env_.view.EndProgram();
}

} // namespace corvane
