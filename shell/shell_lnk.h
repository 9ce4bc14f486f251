#pragma once
// TKvShellLink: reads a shortcut file and shows what it holds. It can place
// its file name in one of the user's shell folders. It never writes a
// shortcut.
#include "core/registry_api.h"
#include "shell/file_icon.h"
#include "shell/file_system_api.h"
#include "shell/link_loader.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace corvane {

enum TShellFolder : std::uint8_t {
    sfNone,
    sfDesktop,
    sfFavorites,
    sfFonts,
    sfPersonal,
    sfPrograms,
    sfRecent,
    sfSendTo,
    sfStartMenu,
    sfStartup,
    sfTemplates,
};

static_assert(sizeof(TShellFolder) == 1 && sfTemplates == 10, "a one-byte enumeration of 11");

// The registry value that holds each folder's path; none for sfNone.
inline constexpr std::array<const char*, 11> ShellFolderNames = {
    nullptr,  "Desktop", "Favorites",  "Fonts",   "Personal",  "Programs",
    "Recent", "SendTo",  "Start Menu", "Startup", "Templates",
};

inline constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A key with modifiers: key code in bits 0 to 12, 0x2000 Shift, 0x4000
// Control, 0x8000 Alt.
using TShortCut = std::uint16_t;

enum TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };

// The component's own failures, with their messages in Windows-1252.
class EKvShellLink : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kMsgCreateFailed = "\"CoCreateInstance\" a \xE9"
                                                "chou\xE9.";
inline constexpr const char* kMsgPersistFileFailed = "\"PersistFile QueryInterface\" a \xE9"
                                                     "chou\xE9.";
inline constexpr const char* kMsgReadFailed = "Erreur en lecture.";
inline constexpr const char* kMsgLinkNotFound = "Lien non trouv\xE9.";

class TKvShellLink {
public:
    TKvShellLink(LinkLoader& loader, FileSystemApi& files, RegistryApi& registry);
    TKvShellLink(const TKvShellLink&) = delete;
    TKvShellLink& operator=(const TKvShellLink&) = delete;

    // Loads the shortcut named by FileName; "Lien non trouvé." when no file
    // (a folder does not count) has that name.
    void ReadLink();
    // Loads the shortcut at path into the seven loaded values. On failure it
    // raises EKvShellLink and changes none of them.
    void LoadLink(const std::string& path);

    // --- Properties ---------------------------------------------------------
    const std::string& Arguments() const { return arguments_; }
    void SetArguments(const std::string& text) { arguments_ = text; }
    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& text) { description_ = text; }
    // The owned icon location; it is never replaced, and writing the
    // property copies into it.
    TFileIcon& FileIcon() { return fileIcon_; }
    const TFileIcon& FileIcon() const { return fileIcon_; }
    void SetFileIcon(const TFileIcon& icon) { fileIcon_.Assign(icon); }
    TShortCut HotKey() const;
    void SetHotKey(TShortCut shortCut);
    const std::string& FileName() const { return fileName_; }
    // Normalizes: the shell folder's path when one is chosen, ".lnk" added
    // unless the extension is already that, and empty when no name is left.
    // A registry error from the folder lookup passes on, the name unchanged.
    void SetFileName(const std::string& value);
    const std::string& Target() const { return target_; }
    void SetTarget(const std::string& text) { target_ = text; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    const std::string& WorkingDir() const { return workingDir_; }
    void SetWorkingDir(const std::string& text) { workingDir_ = text; }
    TShellFolder ShellFolder() const { return shellFolder_; }
    // Moves FileName into the folder (sfNone leaves it where it is). A value
    // outside the enumeration is ignored.
    void SetShellFolder(TShellFolder folder);

    // --- The stored forms behind HotKey and WindowState ---------------------
    std::int32_t ShowCmd() const { return showCmd_; }
    std::uint16_t LinkHotKey() const { return linkHotKey_; }

private:
    // The folder's path from the user's "Shell Folders" key, read afresh.
    std::string ShellFolderPath(TShellFolder folder);

    LinkLoader& loader_;
    FileSystemApi& files_;
    RegistryApi& registry_;

    std::string fileName_;
    std::string target_;
    std::string workingDir_;
    std::string description_;
    std::string arguments_;
    std::int32_t showCmd_ = 0;
    std::uint16_t linkHotKey_ = 0;
    TFileIcon fileIcon_;
    TShellFolder shellFolder_ = sfNone;
};

} // namespace corvane
