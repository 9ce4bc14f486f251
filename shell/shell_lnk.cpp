#include "shell/shell_lnk.h"

#include "core/hot_key.h"
#include "core/settings_key.h"
#include "core/show_commands.h"
#include "core/text.h"

namespace corvane {
namespace {

constexpr TShortCut kShortCutShift = 0x2000;
constexpr TShortCut kShortCutControl = 0x4000;
constexpr TShortCut kShortCutAlt = 0x8000;

// Upper case for the letters a to z only.
std::string UpperAsciiLetters(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// From the last dot of the file-name part, dot included; empty without one.
std::string Extension(const std::string& path) {
    const std::string name = FileNamePart(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool IsKnownFolder(TShellFolder folder) {
    return folder <= sfTemplates;
}

} // namespace

TKvShellLink::TKvShellLink(LinkLoader& loader, FileSystemApi& files, RegistryApi& registry)
    : loader_(loader), files_(files), registry_(registry) {}

void TKvShellLink::ReadLink() {
    if (!files_.IsFile(fileName_))
        throw EKvShellLink(kMsgLinkNotFound);
    LoadLink(fileName_);
}

void TKvShellLink::LoadLink(const std::string& path) {
    LinkValues values;
    switch (loader_.Load(path, values)) {
    case LoadOutcome::Loaded:
        break;
    case LoadOutcome::CreateFailed:
        throw EKvShellLink(kMsgCreateFailed);
    case LoadOutcome::PersistFileFailed:
        throw EKvShellLink(kMsgPersistFileFailed);
    case LoadOutcome::ReadFailed:
    default:
        throw EKvShellLink(kMsgReadFailed);
    }
    description_ = values.description;
    target_ = values.target;
    workingDir_ = values.workingDir;
    arguments_ = values.arguments;
    showCmd_ = values.showCmd;
    linkHotKey_ = values.hotKey;
    fileIcon_.FileName = values.iconFile;
    fileIcon_.IconIndex = values.iconIndex;
}

std::string TKvShellLink::ShellFolderPath(TShellFolder folder) {
    const SettingsKey folders =
        SettingsKey::OpenForReading(registry_, registry_.CurrentUser(), kShellFoldersKey);
    return folders.Text(ShellFolderNames[folder], "");
}

void TKvShellLink::SetFileName(const std::string& value) {
    if (value == fileName_)
        return;
    std::string name = value;
    if (shellFolder_ != sfNone)
        name = ShellFolderPath(shellFolder_) + "\\" + FileNamePart(name);
    if (UpperAsciiLetters(Extension(name)) != ".LNK")
        name += ".lnk";
    if (UpperAsciiLetters(FileNamePart(name)) == ".LNK")
        name.clear();
    fileName_ = name;
}

void TKvShellLink::SetShellFolder(TShellFolder folder) {
    if (folder == shellFolder_ || !IsKnownFolder(folder))
        return;
    shellFolder_ = folder;
    if (folder != sfNone)
        fileName_ = ShellFolderPath(folder) + "\\" + FileNamePart(fileName_);
}

TShortCut TKvShellLink::HotKey() const {
    TShortCut shortCut = linkHotKey_ & 0xFF;
    if (linkHotKey_ & kHotKeyShift)
        shortCut |= kShortCutShift;
    if (linkHotKey_ & kHotKeyControl)
        shortCut |= kShortCutControl;
    if (linkHotKey_ & kHotKeyAlt)
        shortCut |= kShortCutAlt;
    return shortCut;
}

void TKvShellLink::SetHotKey(TShortCut shortCut) {
    std::uint16_t modifiers = 0;
    if (shortCut & kShortCutShift)
        modifiers |= kHotKeyShift;
    if (shortCut & kShortCutControl)
        modifiers |= kHotKeyControl;
    if (shortCut & kShortCutAlt)
        modifiers |= kHotKeyAlt;
    // The shortcut's key byte holds virtual-key codes (below 256). Key bits
    // above the low byte are dropped rather than let spill into the modifier
    // byte, where they would read back as Shift, Control or Alt.
    const std::uint8_t key = static_cast<std::uint8_t>(shortCut & 0xFF);
    linkHotKey_ = static_cast<std::uint16_t>(key | modifiers);
}

TWindowState TKvShellLink::WindowState() const {
    switch (showCmd_) {
    case kSwShowMaximized:
        return wsMaximized;
    case kSwShowMinNoActive:
        return wsMinimized;
    default:
        // SW_SHOWNORMAL, and every show command without a state of its own.
        return wsNormal;
    }
}

void TKvShellLink::SetWindowState(TWindowState state) {
    switch (state) {
    case wsMaximized:
        showCmd_ = kSwShowMaximized;
        break;
    case wsMinimized:
        showCmd_ = kSwShowMinNoActive;
        break;
    case wsNormal:
    default:
        showCmd_ = kSwShowNormal;
        break;
    }
}

} // namespace corvane
