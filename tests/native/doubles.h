#pragma once
// Doubles that record what the logic asked of the platform; calls whose order matters go into
// one log shared by every double.
#include "core/entry.h"
#include "core/shell_api.h"
#include "core/system_api.h"
#include "tray/menu_api.h"
#include "core/utf16.h"
#include "shell/shown_folder_api.h"
#include "tray/tray_icons.h"
#include "ui/dropped_files.h"
#include "ui/form_view.h"
#include "ui/open_dialog.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace corvane {
inline void PrintTo(const Entry& e, std::ostream* out) {
    *out << "{" << e.path << "|" << e.iconPath << "|" << e.parameters << "|" << e.description << "|"
         << e.autoStart << "|" << e.startMode << "|" << e.iconId << "}";
}
} // namespace corvane

namespace corvane::testing {

using CallLog = std::vector<std::string>;

// The options window, owner of everything the program shows.
inline constexpr WindowRef kWindow = static_cast<WindowRef>(0x1234);
// The settings key below HKEY_CURRENT_USER, and a table of the entries.
inline const std::string kSettings = "SOFTWARE\\Quennard\\Corvane\\3.0";
inline EntryTable TableOf(const std::vector<Entry>& entries) {
    EntryTable table;
    for (const Entry& entry : entries)
        table.Append(entry);
    return table;
}

struct ShellCall {
    WindowRef owner;
    bool verbIsNull;
    std::string verb, file, params, directory;
    int show;
    bool operator==(const ShellCall&) const = default;
};

struct RecordingShell : ShellApi {
    explicit RecordingShell(CallLog& log) : log(log) {}
    void Execute(WindowRef owner, const char* verb, const char* file, const char* params,
                 const char* directory, int show) override {
        calls.push_back({owner, verb == nullptr, verb ? verb : "", file, params, directory, show});
        log.push_back(std::string("execute ") + file);
    }
    CallLog& log;
    std::vector<ShellCall> calls;
};

// The tray's icons by identifier: a tray not ready refuses new ones, one that starts may still
// hold them. The program's own icon shows as the file "(program)".
struct FakeTrayIcons : TrayIcons {
    struct Shown {
        std::string file, tip;
        bool operator==(const Shown&) const = default;
    };
    explicit FakeTrayIcons(CallLog& log) : log(log) {}
    void SetOwner(WindowRef window) override { owner = window; }
    bool Show(int id, const std::string& file, const std::string& tip) override {
        return Put(id, {file, tip});
    }
    bool ShowProgramIcon(int id, const std::string& tip) override {
        return Put(id, {"(program)", tip});
    }
    void Remove(int id) override {
        log.push_back("tray delete " + std::to_string(id));
        shown.erase(id);
    }
    void ReturnFocus(int id) override { log.push_back("tray focus " + std::to_string(id)); }
    bool Put(int id, const Shown& icon) {
        const bool known = shown.count(id) != 0;
        log.push_back((known ? "tray modify " : "tray add ") + std::to_string(id));
        if (owner == WindowRef::None || (!known && refusedAdds-- > 0))
            return false;
        shown[id] = icon;
        return true;
    }
    CallLog& log;
    WindowRef owner = WindowRef::None;
    std::map<int, Shown> shown;
    int refusedAdds = 0; // the next new icons refused, as by a tray not ready yet
};

// File icons handed out as numbers for the paths the shell finds. A system image list icon's
// number tells its list: 0x16xxx small, 0x32xxx large.
struct FakeFileIcons : FileIcons {
    ScopedIcon Icon(const std::string& path, IconSize) override {
        fileInfoPaths.push_back(path);
        return Made(path, 0);
    }
    ScopedIcon ListIcon(const std::string& path, IconSize size) override {
        fileInfoPaths.push_back(path);
        return Made(path, size == IconSize::Small ? 0x16000 : 0x32000);
    }
    std::string DisplayName(const std::string& path) override { // the name after the folder, marked
        fileInfoPaths.push_back(path);
        return knownFiles.count(path) ? "~" + path.substr(path.rfind('\\') + 1) : "";
    }
    void DestroyIcon(IconRef icon) override { liveIcons.erase(RawOf(icon)); }
    ScopedIcon Made(const std::string& path, std::uintptr_t list) {
        if (!knownFiles.count(path))
            return ScopedIcon(*this, IconRef::None);
        const std::uintptr_t icon = list ? list | (nextIcon++ & 0xFFF) : nextIcon++;
        liveIcons.insert(icon);
        return ScopedIcon(*this, RefOf<IconRef>(icon));
    }

    std::set<std::string> knownFiles;
    std::vector<std::string> fileInfoPaths;
    std::set<std::uintptr_t> liveIcons; // handed out and not destroyed
    std::uintptr_t nextIcon = 0x5000;
};

// Text measured as in a proportional font at 96 DPI (i and l 3 wide, M 11, any other character 7;
// fontHeight high), and that much larger at a higher DPI.
struct ProportionalText : TextMeasure {
    Extent Measure(std::string_view text, int dpi) override {
        int width = 0;
        for (const char ch : text)
            width += ch == 'i' || ch == 'l' ? 3 : ch == 'M' ? 11 : 7;
        return {width * dpi / 96, fontHeight * dpi / 96};
    }
    int fontHeight = 16;
};

// Menus' items as "drawn ID SPOKEN NAME", "separator" and "text ID".
struct FakeMenus : MenuApi {
    explicit FakeMenus(CallLog& log) : log(log) {}
    MenuRef CreatePopupMenu() override {
        menus[next] = {};
        log.push_back("menu create");
        return RefOf<MenuRef>(next++);
    }
    void DestroyMenu(MenuRef menu) override {
        log.push_back(menus.erase(RawOf(menu)) ? "menu destroy" : "destroy of no menu");
    }
    void AppendOwnerDraw(MenuRef menu, std::uint32_t id, const std::string& name) override {
        menus.at(RawOf(menu)).push_back("drawn " + std::to_string(id) + " " + name);
    }
    void AppendSeparator(MenuRef menu) override { menus.at(RawOf(menu)).push_back("separator"); }
    void AppendString(MenuRef menu, std::uint32_t id, const char*) override {
        menus.at(RawOf(menu)).push_back("text " + std::to_string(id));
    }
    void DispatchWaitingMessages() override { log.push_back("dispatch waiting"); }
    bool TrackPopupMenu(MenuRef menu, int x, int y, WindowRef owner) override {
        log.push_back("track " + std::to_string(RawOf(menu)) + " at " + std::to_string(x) + "," +
                      std::to_string(y) + " for " + std::to_string(RawOf(owner)));
        return chosen;
    }
    void PostNull(WindowRef window) override {
        log.push_back("post null " + std::to_string(RawOf(window)));
    }
    void CursorPos(int& x, int& y) override { x = cursorX, y = cursorY; }
    int dpi = 96;
    Rect workArea{0, 0, 1280, 1024};
    MonitorPlace MonitorAt(int, int) override { return {workArea, dpi}; }
    int HighlightedPosition(MenuRef) override { return highlighted; }
    std::uintptr_t Live() const { return menus.size() == 1 ? menus.begin()->first : 0; } // the one

    CallLog& log;
    std::map<std::uintptr_t, std::vector<std::string>> menus; // the live ones
    std::uintptr_t next = 0x7000;
    int cursorX = 0, cursorY = 0;
    int highlighted = -1;
    bool shift = false;
    bool chosen = true; // whether the user chooses a command in the menu
};

struct FakeSystem : SystemApi, HookLibrary, ShownFolderApi {
    explicit FakeSystem(CallLog& log) : log(log) {}
    std::string WindowsDirectory(unsigned capacity) override {
        return windowsDir.size() < capacity ? windowsDir : std::string();
    }
    std::string ProgramPath() override { return "C:\\Program Files\\Corvane\\corvane.exe"; }
    std::string WindowTitle(WindowRef window, unsigned maxChars) override {
        titleLimits.push_back(maxChars);
        return titles[RawOf(window)].substr(0, maxChars);
    }
    std::string WindowClass(WindowRef window) override { return classes[RawOf(window)]; }
    std::optional<std::string> FolderShownBy(WindowRef window) override {
        asked.push_back(RawOf(window));
        return shown.contains(RawOf(window)) ? std::optional(shown[RawOf(window)]) : std::nullopt;
    }
    BitmapRef LoadBitmapResource(const char* name) override {
        log.push_back(std::string("load bitmap ") + name);
        liveBitmaps.insert(RawOf(kStripe));
        return kStripe;
    }
    void DeleteBitmap(BitmapRef bitmap) override { liveBitmaps.erase(RawOf(bitmap)); }
    std::optional<std::string> EnvironmentVariable(const std::string& name) override {
        return variables.count(name) ? std::optional(variables[name]) : std::nullopt;
    }
    std::string TypedByKey(std::uint16_t hotKey) override { return typed[hotKey]; }
    bool ShiftIsDown() override { return shift; }
    void Start(WindowRef window) override {
        log.push_back("hook start " + std::to_string(RawOf(window)));
    }
    void Stop() override { log.push_back("hook stop"); }

    static constexpr BitmapRef kStripe = static_cast<BitmapRef>(0xB17);
    CallLog& log;
    std::string windowsDir = "C:\\WINDOWS";
    std::map<std::uintptr_t, std::string> titles, classes;
    std::map<std::uintptr_t, std::string> shown; // the folders the shell names; no entry: none
    std::vector<std::uintptr_t> asked;           // every window the shell was asked about
    std::vector<unsigned> titleLimits;           // maxChars of every title read
    std::set<std::uintptr_t> liveBitmaps;
    std::map<std::string, std::string> variables; // the environment
    std::map<std::uint16_t, std::string> typed;   // what a hot key's key types with its modifiers
    bool shift = false;
};

struct FakeView : FormView {
    explicit FakeView(CallLog& log) : log(log) {}
    WindowRef Handle() override { return kWindow; }
    WindowRef DialogOwner() override { return kWindow; }
    bool OptionsWindowMade() override { return made; }
    void MakeOptionsWindow() override {
        made = appVisible = formVisible = true, log.push_back("make form");
    }
    std::string Text(Ctl control) override { return texts[control]; }
    void SetText(Ctl control, const std::string& text) override { texts[control] = text; }
    bool Checked(Ctl control) override { return checked[control]; }
    void SetChecked(Ctl control, bool value) override { checked[control] = value; }
    bool Enabled(Ctl control) override { return enabled[control]; }
    void SetEnabled(Ctl control, bool value) override { enabled[control] = value; }
    int ComboIndex() override { return combo; }
    void SetComboIndex(int index) override { combo = index; }
    void SetPreviewIcon(IconRef icon) override { preview = icon; }
    void AddListRow(int index, const std::string& caption, IconRef icon) override {
        log.push_back("row " + caption);
        rows.insert(rows.begin() + index, {caption, icon});
    }
    void SetListRow(int index, const std::string& caption, IconRef icon) override {
        rows.at(static_cast<std::size_t>(index)) = {caption, icon};
    }
    void DeleteListRow(int index) override { rows.erase(rows.begin() + index); }
    int SelectedRow() override { return selected; }
    void SelectRow(int index) override { selected = index; }
    void HideApplicationWindow() override { appVisible = false, log.push_back("hide app"); }
    void RestoreApplicationWindow() override { appVisible = true, log.push_back("restore app"); }
    void TakeForeground() override { log.push_back("foreground"); }
    void HideOptionsWindow() override { formVisible = false, log.push_back("hide form"); }
    void SetOptionsWindowNormal() override { log.push_back("form normal"); }
    void ShowOptionsWindow() override { formVisible = true, log.push_back("show form"); }
    void StopStartupTimer() override { log.push_back("timer stop"); }
    void StartTrayRetryTimer(unsigned milliseconds) override { trayTimer = milliseconds; }
    void StopTrayRetryTimer() override { trayTimer = 0; }
    void ShowWelcome() override { log.push_back("welcome"); }
    void ShowMessage(const std::string& text, const std::string&) override {
        log.push_back("message " + text);
    }
    bool AskYesNo(const std::string& text, const std::string&) override {
        log.push_back("ask " + text);
        return yes;
    }
    void EndProgram() override { log.push_back("end program"); }
    std::uint16_t HotKey() override { return hotKey; }
    void SetHotKey(std::uint16_t k) override { log.push_back("set " + std::to_string(hotKey = k)); }
    bool RegisterHotKey(std::uint16_t key) override {
        log.push_back("register hot key " + std::to_string(key));
        return !taken.count(key) && (held = key, true);
    }
    void UnregisterHotKey() override { log.push_back("unregister hot key"), held = 0; }

    CallLog& log;
    // The window as designed, before start-up touches it.
    std::map<Ctl, std::string> texts;
    std::map<Ctl, bool> checked{{Ctl::HideOnStartBox, true}, {Ctl::SmallIconsBox, true}};
    std::map<Ctl, bool> enabled{{Ctl::SmallIconsBox, true}};
    int combo = -1;
    IconRef preview = IconRef::None;
    int selected = -1;
    std::vector<std::pair<std::string, IconRef>> rows; // caption and image
    bool made = false, appVisible = false, formVisible = false;
    unsigned trayTimer = 0; // the tray retry timer's interval while it runs
    bool yes = false;       // the answer to every question
    std::uint16_t hotKey = 0, held = 0;
    std::set<std::uint16_t> taken; // hot keys another program holds: RegisterHotKey fails
};

// The open-file dialog: each run records its request and gives the one answer.
struct ScriptedDialogs : FileDialogApi {
    std::optional<OpenFileChoice> ChooseFile(WindowRef, const OpenFileRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::vector<OpenFileRequest> requests;
    std::optional<OpenFileChoice> answer; // nothing: cancelled
};

// A drop of names; copies are cut to the buffer as the shell cuts them.
struct FakeDrops : DropApi {
    std::uint32_t QueryFile(DropRef, std::uint32_t index, char* buffer,
                            std::uint32_t size) override {
        if (index == kDropCountQuery)
            return static_cast<std::uint32_t>(names.size());
        const std::string& name = names.at(index);
        if (!buffer)
            return static_cast<std::uint32_t>(name.size());
        const std::size_t copied = name.copy(buffer, size - 1);
        buffer[copied] = '\0';
        return static_cast<std::uint32_t>(copied);
    }
    void Finish(DropRef drop) override { finished.push_back(drop); }
    std::vector<std::string> names;
    std::vector<DropRef> finished;
};

} // namespace corvane::testing
