#include "tests/native/doubles.h"

#include <algorithm>
#include <cstring>

namespace corvane::testing {

void RecordingShell::Execute(WindowRef owner, const char* verb, const char* file,
                             const char* params, const char* directory, int showCommand) {
    calls.push_back(
        ShellCall{owner, verb == nullptr, verb ? verb : "", file, params, directory, showCommand});
    log_.push_back(std::string("execute ") + file + " " + params);
}

bool FakeShellIcons::NotifyIcon(NotifyOp op, const NotifyIconRecord& record) {
    notifyCalls.emplace_back(op, record);
    bool ok = false;
    switch (op) {
    case NotifyOp::Add:
        ok = trayIcons.emplace(record.uID, record).second;
        break;
    case NotifyOp::Modify:
        if (auto found = trayIcons.find(record.uID); found != trayIcons.end()) {
            found->second = record;
            ok = true;
        }
        break;
    case NotifyOp::Delete:
        ok = trayIcons.erase(record.uID) == 1;
        break;
    }
    log_.push_back("tray " + std::to_string(static_cast<int>(op)) + " " +
                   std::to_string(record.uID));
    return ok;
}

std::uintptr_t FakeShellIcons::GetFileInfo(const char* path, std::uint32_t, FileInfoRecord& record,
                                           std::uint32_t recordSize, std::uint32_t flags) {
    fileInfoPaths.push_back(path);
    fileInfoFlags.push_back(flags);
    if (recordSize != FileInfoRecord::kSize || !knownFiles.count(path)) {
        if (scribbleOnFailure) {
            record.hIcon = RefOf<IconRef>(0x00500073);
            record.iIcon = 5;
            std::strncpy(record.szDisplayName.data(), "junk", record.szDisplayName.size() - 1);
        }
        return 0; // the record is left untouched, as the real shell does
    }
    if (flags & kShgfiSysIconIndex) {
        record.iIcon = 7;
        return (flags & kShgfiSmallIcon) ? 0x16 : 0x32;
    }
    if (flags & kShgfiIcon) {
        record.hIcon = RefOf<IconRef>(nextIcon);
        liveIcons.insert(nextIcon++);
    }
    if (flags & kShgfiDisplayName) {
        const char* name = std::strrchr(path, '\\');
        name = name ? name + 1 : path;
        std::strncpy(record.szDisplayName.data(), name, record.szDisplayName.size() - 1);
    }
    return 1;
}

IconRef FakeShellIcons::ImageListGetIcon(ImageListRef list, std::int32_t, std::uint32_t) {
    // The icon's number tells its size: 0x16xxx small, 0x32xxx large.
    const std::uintptr_t icon = (RawOf(list) << 12) | (nextIcon++ & 0xFFF);
    liveIcons.insert(icon);
    return RefOf<IconRef>(icon);
}

void FakeShellIcons::DestroyIcon(IconRef icon) {
    liveIcons.erase(RawOf(icon));
}

MenuRef FakeMenus::CreatePopupMenu() {
    menus[nextMenu] = {};
    log_.push_back("menu create");
    return RefOf<MenuRef>(nextMenu++);
}

void FakeMenus::DestroyMenu(MenuRef menu) {
    menus.erase(RawOf(menu));
    log_.push_back("menu destroy");
}

void FakeMenus::AppendOwnerDraw(MenuRef menu, std::uint32_t id, const char* data) {
    menus.at(RawOf(menu)).push_back(Item{Item::OwnerDraw, id, data ? data : "", data != nullptr});
}

void FakeMenus::AppendSeparator(MenuRef menu) {
    menus.at(RawOf(menu)).push_back(Item{Item::Separator, 0, "", false});
}

void FakeMenus::AppendString(MenuRef menu, std::uint32_t id, const char* text) {
    menus.at(RawOf(menu)).push_back(Item{Item::String, id, text, true});
}

void FakeMenus::DispatchWaitingMessages() {
    log_.push_back("dispatch waiting");
    if (onDispatch)
        onDispatch();
}

void FakeMenus::TrackPopupMenu(MenuRef menu, std::uint32_t flags, int x, int y, WindowRef owner) {
    log_.push_back("track " + std::to_string(RawOf(menu)) + " " + std::to_string(flags) + " " +
                   std::to_string(x) + "," + std::to_string(y) + " " +
                   std::to_string(RawOf(owner)));
}

void FakeMenus::PostNull(WindowRef window) {
    log_.push_back("post null " + std::to_string(RawOf(window)));
}

void FakeMenus::CursorPos(int& x, int& y) {
    x = cursorX;
    y = cursorY;
}

std::string FakeSystem::WindowsDirectory(unsigned capacity) {
    return windowsDir.size() < capacity ? windowsDir : std::string();
}

std::string FakeSystem::WindowTitle(WindowRef window, unsigned maxChars) {
    titleLimits.push_back(maxChars);
    const auto found = titles.find(RawOf(window));
    return found == titles.end() ? std::string() : found->second.substr(0, maxChars);
}

BitmapRef FakeSystem::LoadBitmapResource(const char* name) {
    log_.push_back(std::string("load bitmap ") + name);
    return RefOf<BitmapRef>(0xB17);
}

IconRef FakeSystem::LoadIconResource(const char* name) {
    log_.push_back(std::string("load icon ") + name);
    return RefOf<IconRef>(0x1C0);
}

FakeView::FakeView(CallLog& log) : Logged(log) {
    // The window as designed, before start-up touches it.
    checked[Ctl::chkHide] = true;
    checked[Ctl::cbSmallIcons] = true;
    for (Ctl c : {Ctl::btnBrowse, Ctl::btnIconBrowse, Ctl::btnHelp, Ctl::chkHide, Ctl::cbSingle,
                  Ctl::cbPopUp, Ctl::cbSmallIcons, Ctl::btnOkay, Ctl::BitBtn1, Ctl::btnAbout})
        enabled[c] = true;
}

void FakeView::SetText(Ctl control, const std::string& text) {
    if (texts[control] == text)
        return;
    texts[control] = text;
    if (onTextChange)
        onTextChange(control);
}

void FakeView::AddListRow(int index, const std::string& caption, IconRef) {
    rows.insert(rows.begin() + index, caption);
    log_.push_back("row " + caption);
}

void FakeView::AppendListRowWithoutImage(const std::string& caption) {
    rows.push_back(caption);
}

void FakeView::DeleteListRow(int index) {
    rows.erase(rows.begin() + index);
}

void FakeView::ShowMessage(const std::string& text, const std::string& caption) {
    messages.emplace_back(text, caption);
    log_.push_back("message " + caption + ": " + text);
}
} // namespace corvane::testing
