#pragma once
// The store's layout in the registry: its key, value names and entry subkeys,
// and an entry's values. Only the settings store and its file form use these.
#include "core/entry.h"
#include "core/settings_key.h"
#include "core/settings_store.h"

#include <string>

namespace corvane {

inline constexpr const char* kSettingsKey = "\\SOFTWARE\\Quennard\\Corvane\\3.0";
inline constexpr const char* kValIconCount = "Icon Count";
inline constexpr const char* kValPopUpIt = "PopUpIt";
inline constexpr const char* kValSmallIcons = "SmallIcons";
inline constexpr const char* kValSingleClick = "Single Click";
inline constexpr const char* kValHideOnStart = "Hide on Start";
inline constexpr const char* kValPath = "Path";
inline constexpr const char* kValIconPath = "Icon Path";
inline constexpr const char* kValParams = "Params";
inline constexpr const char* kValToolTip = "Tool Tip";
inline constexpr const char* kValAutoStart = "Auto Start";
inline constexpr const char* kValStartMode = "StartMode";
// A save that moves entries up keeps one entry here while it writes over its
// slot; "Slot" names the slot whose stored entry this one stands for.
inline constexpr const char* kMovingEntryKey = "Moving Entry";
inline constexpr const char* kValMovingSlot = "Slot";
// Added after the first stores: a store without them reads as off/none.
inline constexpr const char* kValRunAsAdmin = "Run as Administrator";
inline constexpr const char* kValHotKey = "Hot Key";
// The entry's tray icon identifier, kept from run to run: the shell
// remembers by it whether the user chose to show the icon.
inline constexpr const char* kValTrayIconId = "Tray Icon Id";

// The settings key below HKEY_CURRENT_USER.
std::string SettingsPath();
// "Tool Box Icon  <slot>" (two blanks): the name of a slot's entry subkey.
std::string EntryKeyName(int slot);
// The entry subkey of slot and the moving-entry key, below HKEY_CURRENT_USER.
std::string EntryPath(int slot);
std::string MovingEntryPath();

// The key's entry values. A value that is missing or of the wrong type takes
// its default (empty text, false, Normal), so one damaged value never costs
// the entry or the entries after it.
Entry ReadEntryValues(const SettingsKey& key);

// An entry's values into key; an empty IconPath is stored as Path.
void WriteEntryValues(SettingsKey& key, const Entry& entry);

// "Single Click", "Hide on Start" and "PopUpIt" into the settings key.
// ("SmallIcons" is stored the moment it changes.)
void WriteOptionValues(SettingsKey& settings, const Options& options);

} // namespace corvane
