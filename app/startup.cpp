// Start-up and shut-down of the options window.
#include "core/launch.h"
#include "core/settings_store.h"
#include "core/text.h"
#include "ui/corvane.h"

namespace corvane {

TForm1::TForm1(const Platform& platform)
    : env_(platform), registry_(platform.registry),
      previewIcon_(platform.shellIcons, IconRef::None) {}

void TForm1::FormCreate() {
    FormView& view = env_.view;
    const WindowRef self = view.Handle();

    WindowsDir = env_.system.WindowsDirectory(200);
    ExplorerPath = WindowsDir + "\\Explorer.exe";
    env_.hook.Start(self);
    StripeBitmap = env_.system.LoadBitmapResource("STRIPE");
    ShowCmds.Fill();
    MenuHandle = env_.menus.CreatePopupMenu();
    ProgramPath = env_.system.ProgramPath();
    Entries = EntryTable{};

    registry_.OpenKey(kSettingsKey, true);
    int count = 0;
    try {
        count = ClampStoredCount(registry_.ReadInteger(kValIconCount));
    } catch (const ERegistryException&) {
        if (!registry_.ValueExists(kValIconCount)) {
            // First run: write the defaults; the timer finishes the set-up.
            WriteFirstRunDefaults(registry_);
            return;
        }
        // A damaged count: the entries are still there, load what exists.
        count = CountStoredEntrySubkeys(registry_);
    }

    PopUpIt = ReadBoolOr(registry_, kValPopUpIt, false);
    SetItemHeightFromSmallIcons(ReadBoolOr(registry_, kValSmallIcons, false));

    if (PopUpIt)
        AddMainTrayIcon();

    LoadEntries(count);
    RebuildPopupMenu();
    if (Entries.IconCount > 0) {
        view.SelectRow(0);
        ListView1Click();
    }
    ReadOptionsAfterLoad();
}

void TForm1::LoadEntries(int count) {
    const WindowRef self = env_.view.Handle();
    for (int i = 0; i < count; ++i) {
        registry_.OpenKey(EntrySubkey(i), true);
        ListType entry = ReadEntryValues(registry_);
        // Each entry starts as soon as it is read, before its icon and row.
        if (entry.AutoStart)
            LaunchEntry(env_.shell, self, entry, ShowCmds.For(entry.StartMode));
        if (!PopUpIt)
            AddEntryTrayIcon(entry, Entries.NextIconId);
        const std::string caption = entry.ToolTip;
        const std::string iconPath = entry.IconPath;
        Entries.Append(std::move(entry));
        AddEntryRow(caption, iconPath, i);
    }
}

void TForm1::ReadOptionsAfterLoad() {
    FormView& view = env_.view;
    registry_.OpenKey(kSettingsKey, true);
    SingleClick = ReadBoolOr(registry_, kValSingleClick, false);
    view.SetChecked(Ctl::cbSingle, SingleClick);
    view.SetChecked(Ctl::cbPopUp, PopUpIt);
    const bool hide = ReadBoolOr(registry_, kValHideOnStart, false);
    view.SetChecked(Ctl::chkHide, hide);
    if (hide && Entries.IconCount > 0)
        view.HideApplicationWindow();
}

void TForm1::SetItemHeightFromSmallIcons(bool small) {
    env_.view.SetChecked(Ctl::cbSmallIcons, small);
    ItemHeight = small ? kSmallItemHeight : kLargeItemHeight;
}

void TForm1::Timer1Timer() {
    FormView& view = env_.view;
    view.StopStartupTimer();
    if (Entries.IconCount == 0)
        view.ShowWelcome();
    registry_.OpenKey(kSettingsKey, true);
    try {
        const bool hide = registry_.ReadBool(kValHideOnStart);
        view.SetChecked(Ctl::chkHide, hide);
        if (hide && Entries.IconCount > 0)
            view.HideOptionsWindow();
        view.SetOptionsWindowNormal();
        view.SetChecked(Ctl::cbPopUp, registry_.ReadBool(kValPopUpIt));
        SetItemHeightFromSmallIcons(registry_.ReadBool(kValSmallIcons));
        view.SetEnabled(Ctl::cbSmallIcons, view.Checked(Ctl::cbPopUp));
    } catch (const ERegistryException&) {
        // Repair the options from what the boxes show.
        try {
            registry_.OpenKey(kSettingsKey, true);
            registry_.WriteBool(kValSingleClick, view.Checked(Ctl::cbSingle));
            registry_.WriteBool(kValHideOnStart, view.Checked(Ctl::chkHide));
            registry_.WriteBool(kValPopUpIt, view.Checked(Ctl::cbPopUp));
            registry_.WriteBool(kValSmallIcons, view.Checked(Ctl::cbSmallIcons));
        } catch (const ERegistryException&) {
            // Nothing more can be done for the store now; the program runs on.
        }
    } catch (...) {
        // Anything else ends the timer's work quietly.
    }
}

void TForm1::QuitApp() {
    if (SaveSettings() == SaveOutcome::ProgramEnded)
        return;
    env_.menus.DestroyMenu(MenuHandle);
    MenuHandle = MenuRef::None;
    RemoveEntryTrayIcons();
    env_.view.EndProgram();
}

void TForm1::FormClose() {
    if (SaveSettings() == SaveOutcome::ProgramEnded)
        return;
    env_.menus.DestroyMenu(MenuHandle);
    MenuHandle = MenuRef::None;
    RemoveEntryTrayIcons();
}

void TForm1::FormDestroy() {
    env_.hook.Stop();
    // No icon is left behind in the tray, whichever way the program ends.
    if (PopUpIt)
        TrayDeleteIcon(env_.shellIcons, kMainIconId, env_.view.Handle());
}

void TForm1::EndSession() {
    try {
        WriteSettings();
    } catch (const ERegistryException&) {
        // The session is ending; there is nobody left to tell.
    }
    env_.view.EndProgram();
}

} // namespace corvane
