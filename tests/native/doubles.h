#pragma once
// Test doubles that record what the logic asked of the platform, into one
// shared log so that tests can check the order of things across interfaces.
#include "app/system_api.h"
#include "core/shell_api.h"
#include "tray/menu_api.h"
#include "tray/shell_icon_api.h"
#include "ui/form_view.h"

#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace corvane::testing {

using CallLog = std::vector<std::string>;

// A double that logs its calls, setting a field of its own with each.
class Logged {
public:
    explicit Logged(CallLog& log) : log_(log) {}

protected:
    template <class Field, class Value>
    void Note(Field& field, Value value, const std::string& line) {
        field = value;
        log_.push_back(line);
    }
    CallLog& log_;
};

struct ShellCall {
    WindowRef owner;
    bool verbIsNull;
    std::string verb, file, params, directory;
    int show;
    bool operator==(const ShellCall&) const = default;
};
inline void PrintTo(const ShellCall& c, std::ostream* out) {
    *out << "{owner " << RawOf(c.owner) << (c.verbIsNull ? ", no verb" : ", verb " + c.verb)
         << ", \"" << c.file << "\" \"" << c.params << "\" in \"" << c.directory << "\", show "
         << c.show << "}";
}

class RecordingShell : public ShellApi {
public:
    explicit RecordingShell(CallLog& log) : log_(log) {}
    void Execute(WindowRef owner, const char* verb, const char* file, const char* params,
                 const char* directory, int showCommand) override;
    std::vector<ShellCall> calls;

private:
    CallLog& log_;
};

// Tray and file icons. Icons are numbers handed out per path; the test says
// which paths the shell "finds".
class FakeShellIcons : public ShellIconApi {
public:
    explicit FakeShellIcons(CallLog& log) : log_(log) {}
    bool NotifyIcon(NotifyOp op, const NotifyIconRecord& record) override;
    std::uintptr_t GetFileInfo(const char* path, std::uint32_t attributes, FileInfoRecord& record,
                               std::uint32_t recordSize, std::uint32_t flags) override;
    IconRef ImageListGetIcon(ImageListRef list, std::int32_t index, std::uint32_t flags) override;
    void DestroyIcon(IconRef icon) override;

    std::set<std::string> knownFiles; // paths the shell can find
    // A failed request writes a field that is no icon and a name into the
    // record, as some shells do, instead of leaving it untouched.
    bool scribbleOnFailure = false;
    std::map<std::uint32_t, NotifyIconRecord> trayIcons; // by uID
    std::vector<std::pair<NotifyOp, NotifyIconRecord>> notifyCalls;
    std::vector<std::string> fileInfoPaths;
    std::vector<std::uint32_t> fileInfoFlags;
    std::set<std::uintptr_t> liveIcons;
    std::uintptr_t nextIcon = 0x5000;

private:
    CallLog& log_;
};

class FakeMenus : public MenuApi {
public:
    explicit FakeMenus(CallLog& log) : log_(log) {}
    struct Item {
        enum Kind { OwnerDraw, Separator, String } kind;
        std::uint32_t id;
        std::string text;
        bool hasData;
        bool operator==(const Item&) const = default;
    };
    MenuRef CreatePopupMenu() override;
    void DestroyMenu(MenuRef menu) override;
    void AppendOwnerDraw(MenuRef menu, std::uint32_t id, const char* data) override;
    void AppendSeparator(MenuRef menu) override;
    void AppendString(MenuRef menu, std::uint32_t id, const char* text) override;
    void DispatchWaitingMessages() override;
    void TrackPopupMenu(MenuRef menu, std::uint32_t flags, int x, int y, WindowRef owner) override;
    void PostNull(WindowRef window) override;
    void CursorPos(int& x, int& y) override;

    std::map<std::uintptr_t, std::vector<Item>> menus; // live menus
    std::uintptr_t nextMenu = 0x7000;
    int cursorX = 0, cursorY = 0;
    std::function<void()> onDispatch; // the handlers of the messages waiting

private:
    CallLog& log_;
};

class FakeSystem : public SystemApi, public HookLibrary, private Logged {
public:
    explicit FakeSystem(CallLog& log) : Logged(log) {}
    std::string WindowsDirectory(unsigned capacity) override;
    std::string ProgramPath() override { return programPath; }
    std::string WindowTitle(WindowRef window, unsigned maxChars) override;
    BitmapRef LoadBitmapResource(const char* name) override;
    IconRef LoadIconResource(const char* name) override;
    void Start(WindowRef window) override {
        Note(hookRunning, true, "hook start " + std::to_string(RawOf(window)));
    }
    void Stop() override { Note(hookRunning, false, "hook stop"); }

    std::string windowsDir = "C:\\WINDOWS";
    std::string programPath = "C:\\Program Files\\Corvane\\corvane.exe";
    std::map<std::uintptr_t, std::string> titles;
    std::vector<unsigned> titleLimits; // maxChars of every title read
    bool hookRunning = false;
};

class FakeView : public FormView, private Logged {
public:
    explicit FakeView(CallLog& log);
    WindowRef Handle() override { return kHandle; }
    std::string Text(Ctl control) override { return texts[control]; }
    void SetText(Ctl control, const std::string& text) override;
    bool Checked(Ctl control) override { return checked[control]; }
    void SetChecked(Ctl control, bool value) override { checked[control] = value; }
    bool Enabled(Ctl control) override { return enabled[control]; }
    void SetEnabled(Ctl control, bool value) override { enabled[control] = value; }
    int ComboIndex() override { return combo; }
    void SetComboIndex(int index) override { combo = index; }
    void SetPreviewIcon(IconRef icon) override { preview = icon; }
    void AddListRow(int index, const std::string& caption, IconRef icon) override;
    void AppendListRowWithoutImage(const std::string& caption) override;
    void DeleteListRow(int index) override;
    int SelectedRow() override { return selected; }
    void SelectRow(int index) override { selected = index; }
    int RowCount() override { return static_cast<int>(rows.size()); }
    void HideApplicationWindow() override { Note(appVisible, false, "hide app"); }
    void RestoreApplicationWindow() override { Note(appVisible, true, "restore app"); }
    void ForegroundApplicationWindow() override { log_.push_back("foreground app"); }
    void HideOptionsWindow() override { Note(formVisible, false, "hide form"); }
    void SetOptionsWindowNormal() override { Note(formState, FormState::Normal, "form normal"); }
    void ShowOptionsWindow() override { Note(formVisible, true, "show form"); }
    void StopStartupTimer() override { timerRunning = false; }
    void ShowWelcome() override { Note(welcomeShown, welcomeShown + 1, "welcome"); }
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void EndProgram() override { Note(endProgramCalls, endProgramCalls + 1, "end program"); }

    static constexpr WindowRef kHandle = static_cast<WindowRef>(0x1234);
    std::map<Ctl, std::string> texts;
    std::map<Ctl, bool> checked;
    std::map<Ctl, bool> enabled;
    int combo = -1;
    IconRef preview = IconRef::None;
    std::vector<std::string> rows;
    int selected = -1;
    bool appVisible = true;
    bool formVisible = true;
    enum class FormState { Minimized, Normal } formState = FormState::Minimized;
    bool timerRunning = true;
    int welcomeShown = 0;
    std::vector<std::pair<std::string, std::string>> messages;
    int endProgramCalls = 0;
    std::function<void(Ctl)> onTextChange; // the change event of a field
};

} // namespace corvane::testing
