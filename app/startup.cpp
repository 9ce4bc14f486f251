// Start-up, the start-up timer, saving, and every way the program ends.
#include "app/launcher.h"
#include "core/show_commands.h"
#include "core/text.h"

#include <stdexcept>

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

Launcher::Launcher(const LauncherParts& parts)
    : table_(parts.table), settingsHome_(parts.settingsHome), store_(parts.store),
      tray_(parts.tray), menu_(parts.menu), explorer_(parts.explorer), starter_(parts.starter),
      editor_(parts.editor), hotKey_(parts.hotKey), settingsFiles_(parts.settingsFiles),
      view_(parts.view) {}

void Launcher::OnCreate() {
    const WindowRef self = view_.Handle();
    tray_.SetOwner(self);
    explorer_.Start(self);
    menu_.SetExplorerPath(explorer_.ExplorerPath());
    menu_.CreateEmpty();

    OpenSettings();
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

    menu_.SetPopUp(stored.options.popUp);
    tray_.SetPopUp(stored.options.popUp);
    ApplyOptions(stored.options);
    // The main icon of pop-up mode shows before the entries load.
    tray_.Sync(table_);
    LoadEntries(stored);
    FollowTable();
    if (tray_.AnyRefused())
        view_.StartTrayRetryTimer(kTrayRetryMilliseconds);
    // With entries, "Hide on Startup" starts the program in the tray alone.
    if (!options_.hideOnStart || table_.Count() == 0)
        MakeOptionsWindow();
}

void Launcher::OpenSettings() {
    const SettingsOpening opening = settingsHome_.Open();
    for (const std::string& notice : opening.notices)
        view_.ShowMessage(notice, kApplicationTitle);
    if (opening.copyQuestion.empty() || !view_.AskYesNo(opening.copyQuestion, kApplicationTitle))
        return;
    if (const WriteFailure failure = settingsHome_.CopyFromRegistry())
        view_.ShowMessage(ErrorReportText(*failure), kApplicationTitle);
}

void Launcher::MakeOptionsWindow() {
    view_.MakeOptionsWindow();
    editor_.ShowTable(table_);
    ShowOptionBoxes();
    if (hotKey_.Held() != 0)
        hotKey_.Show();
}

void Launcher::LoadEntries(const StoreContents& stored) {
    unreadEntry_ = stored.unreadEntry;
    for (const Entry& entry : stored.entries)
        if (entry.autoStart)
            Launch(entry, ShowCommandFor(entry.startMode));
    table_.AppendAll(stored.entries);
    table_.MarkStored();
}

void Launcher::OnStartupTimer() {
    view_.StopStartupTimer();
    // A run that could not read every entry is no first run, even with none
    // read.
    if (table_.Count() == 0 && !unreadEntry_)
        view_.ShowWelcome();
    // The options as far as they are whole, in this order.
    const StoredOptions stored = store_.LoadOptions();
    Options options = options_;
    if (stored.hideOnStart.has_value()) {
        options.hideOnStart = *stored.hideOnStart;
        view_.SetOptionsWindowNormal();
    }
    const bool popUpWhole = stored.hideOnStart.has_value() && stored.popUp.has_value();
    if (popUpWhole)
        options.popUp = *stored.popUp;
    const bool whole = popUpWhole && stored.smallIcons.has_value();
    if (whole)
        options.smallIcons = *stored.smallIcons;
    ApplyOptions(options);
    // Repair the options from the record. A write that fails leaves the
    // store as it is; the program runs on.
    if (!whole && !store_.SaveOptions(options_))
        store_.SaveSmallIcons(options_.smallIcons);
    hotKey_.Load(stored.hotKey);
    TellEntriesReadOnly();
}

bool Launcher::TellEntriesReadOnly() {
    if (unreadEntry_)
        view_.ShowMessage(ErrorReportText(*unreadEntry_) + kEntriesKept, kApplicationTitle);
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
        view_.StopTrayRetryTimer();
    // Never out of reach: with no icon in the tray, the options window shows.
    if (givingUp && tray_.NoneShown())
        ShowOptions();
}

Launcher::SaveOutcome Launcher::SaveSettings() {
    if (const WriteFailure failure = WriteStore()) {
        // The general error report: the store stays as it was last written.
        view_.ShowMessage(ErrorReportText(*failure), kApplicationTitle);
        return SaveOutcome::Failed;
    }
    // An empty table has nothing to launch, unless its entries could not be
    // read: that run never ends by itself.
    if (table_.Count() == 0 && !unreadEntry_) {
        view_.EndProgram();
        return SaveOutcome::ProgramEnded;
    }
    // With no icon of the program in the tray, nothing would bring the
    // window back: it stays.
    if (tray_.NoneShown())
        return SaveOutcome::Saved;
    view_.HideApplicationWindow();
    view_.HideOptionsWindow();
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
    if (outcome == SaveOutcome::Failed && !view_.AskYesNo(kEndWithoutSaving, kApplicationTitle))
        return;
    menu_.Destroy();
    tray_.RemoveAll();
    view_.EndProgram();
}

void Launcher::OnClose() {
    QuitApp();
}

void Launcher::OnDestroy() {
    explorer_.Stop();
    // No icon is left behind in the tray, whichever way the program ends.
    tray_.RemoveAll();
}

void Launcher::OnEndSession() {
    WriteStore(); // a failure: the session is ending, there is nobody left to tell
    view_.EndProgram();
}

} // namespace corvane
