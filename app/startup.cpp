// Start-up, the start-up timer, saving, and every way the program ends.
#include "app/launcher.h"
#include "core/show_commands.h"

#include <stdexcept>
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
    : env_(platform), store_(platform.registry), tray_(platform.trayIcons, platform.system),
      menu_(platform.menus, platform.fileIcons, platform.system, table_),
      explorer_(platform.system, platform.shell, platform.folders),
      editor_(EditorPlatform{platform.view, platform.fileIcons, platform.dialogs, platform.links,
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

    const StoreContents stored = store_.Load();
    if (stored.firstRun) {
        // First run: write the defaults; the timer finishes the set-up. The
        // menu holds its commands from the start: the first entry added gets
        // a tray icon whose right click opens it.
        if (const WriteFailure failure = store_.SaveFirstRunDefaults())
            throw std::runtime_error(*failure); // the window's general error report
        menu_.Rebuild();
        MakeOptionsWindow();
        return;
    }

    popUp_ = stored.options.popUp;
    menu_.SetPopUp(popUp_);
    tray_.SetPopUp(popUp_);
    ShowSmallIcons(stored.options.smallIcons);
    // The main icon of pop-up mode shows before the entries load.
    tray_.Sync(table_);

    LoadEntries(stored);
    menu_.Rebuild();
    ReadOptionsAfterLoad(stored.options);
    if (tray_.AnyRefused())
        view.StartTrayRetryTimer(kTrayRetryMilliseconds);
    // With entries, "Hide on Startup" starts the program in the tray alone.
    if (!options_.hideOnStart || table_.Count() == 0)
        MakeOptionsWindow();
}

void Launcher::MakeOptionsWindow() {
    env_.view.MakeOptionsWindow();
    for (int slot = 0; slot < table_.Count(); ++slot)
        editor_.ShowAppended(table_, slot);
    if (table_.Count() > 0)
        editor_.Select(0, table_);
    ShowOptionBoxes();
    if (hotKey_ != 0)
        ShowHotKey();
}

void Launcher::ShowOptionBoxes() {
    FormView& view = env_.view;
    if (!view.OptionsWindowMade())
        return;
    view.SetChecked(Ctl::HideOnStartBox, options_.hideOnStart);
    view.SetChecked(Ctl::SingleClickBox, options_.singleClick);
    view.SetChecked(Ctl::PopUpBox, options_.popUp);
    view.SetChecked(Ctl::SmallIconsBox, options_.smallIcons);
    view.SetEnabled(Ctl::SmallIconsBox, options_.popUp);
}

void Launcher::LoadEntries(const StoreContents& stored) {
    unreadEntry_ = stored.unreadEntry;
    for (const Entry& entry : stored.entries) {
        if (entry.autoStart)
            Launch(entry, ShowCommandFor(entry.startMode));
        AppendEntry(entry);
    }
    table_.MarkStored();
}

void Launcher::AppendEntry(Entry entry) {
    const int slot = table_.Append(std::move(entry));
    tray_.Sync(table_);
    if (env_.view.OptionsWindowMade())
        editor_.ShowAppended(table_, slot);
}

void Launcher::ReadOptionsAfterLoad(const Options& stored) {
    options_.singleClick = stored.singleClick;
    options_.popUp = popUp_;
    options_.hideOnStart = stored.hideOnStart;
}

void Launcher::ShowSmallIcons(bool small) {
    options_.smallIcons = small;
    menu_.SetSmallIcons(small);
}

void Launcher::OnStartupTimer() {
    FormView& view = env_.view;
    view.StopStartupTimer();
    // A run that could not read every entry is no first run, even with none
    // read.
    if (table_.Count() == 0 && !unreadEntry_)
        view.ShowWelcome();
    // The options as far as they are whole, in this order.
    const StoredOptions stored = store_.LoadOptions();
    if (stored.hideOnStart.has_value()) {
        options_.hideOnStart = *stored.hideOnStart;
        view.SetOptionsWindowNormal();
    }
    const bool popUpWhole = stored.hideOnStart.has_value() && stored.popUp.has_value();
    if (popUpWhole)
        options_.popUp = *stored.popUp;
    if (popUpWhole && stored.smallIcons) {
        ShowSmallIcons(*stored.smallIcons);
        ShowOptionBoxes();
    } else {
        // Repair the options from the record. A write that fails leaves the
        // store as it is; the program runs on.
        if (!store_.SaveOptions(options_))
            store_.SaveSmallIcons(options_.smallIcons);
    }
    LoadHotKey(stored.hotKey);
    TellEntriesReadOnly();
}

bool Launcher::TellEntriesReadOnly() {
    if (unreadEntry_)
        env_.view.ShowMessage(ErrorReportText(*unreadEntry_) + kEntriesKept, kApplicationTitle);
    return unreadEntry_.has_value();
}

WriteFailure Launcher::WriteStore() {
    // The options as the boxes say them, not the running mode: a change of
    // pop-up mode reaches the next start.
    if (unreadEntry_)
        return store_.SaveOptions(options_);
    WriteFailure failure = store_.Save(options_, table_);
    if (!failure)
        table_.MarkStored();
    return failure;
}

void Launcher::OnTrayRetryTimer() {
    tray_.RetryRefused();
    const bool givingUp = ++trayRetries_ >= kTrayRetries;
    if (givingUp || !tray_.AnyRefused())
        env_.view.StopTrayRetryTimer();
    // Never out of reach: with no icon in the tray, the options window shows.
    if (givingUp && tray_.NoneShown())
        ShowOptions();
}

Launcher::SaveOutcome Launcher::SaveSettings() {
    if (const WriteFailure failure = WriteStore()) {
        // The general error report: the store stays as it was last written.
        env_.view.ShowMessage(ErrorReportText(*failure), kApplicationTitle);
        return SaveOutcome::Failed;
    }
    // An empty table has nothing to launch, unless its entries could not be
    // read: that run never ends by itself.
    if (table_.Count() == 0 && !unreadEntry_) {
        env_.view.EndProgram();
        return SaveOutcome::ProgramEnded;
    }
    // With no icon of the program in the tray, nothing would bring the
    // window back: it stays.
    if (tray_.NoneShown())
        return SaveOutcome::Saved;
    env_.view.HideApplicationWindow();
    env_.view.HideOptionsWindow();
    return SaveOutcome::Saved;
}

void Launcher::OnMinimize() {
    SaveSettings();
}

void Launcher::QuitApp() {
    const SaveOutcome outcome = SaveSettings();
    if (outcome == SaveOutcome::ProgramEnded)
        return;
    // A way out of a store that cannot be written.
    if (outcome == SaveOutcome::Failed && !env_.view.AskYesNo(kEndWithoutSaving, kApplicationTitle))
        return;
    menu_.Destroy();
    tray_.RemoveAll();
    env_.view.EndProgram();
}

void Launcher::OnClose() {
    QuitApp();
}

void Launcher::OnDestroy() {
    env_.hook.Stop();
    // No icon is left behind in the tray, whichever way the program ends.
    tray_.RemoveAll();
}

void Launcher::OnEndSession() {
    WriteStore(); // a failure: the session is ending, there is nobody left to tell
    env_.view.EndProgram();
}

} // namespace corvane
