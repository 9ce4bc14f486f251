#pragma once
// The store's layout in the registry and the reads and writes of whole
// entries and options.
#include "core/entry.h"
#include "core/registry_accessor.h"

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

// "\SOFTWARE\Quennard\Corvane\3.0\Tool Box Icon  <slot>" (two blanks).
std::string EntrySubkey(int slot);

// Reads the current key's entry values. A value that is missing or of the
// wrong type takes its default (empty text, false, Normal), so one damaged
// value never costs the entry or the entries after it.
ListType ReadEntryValues(RegistryAccessor& reg);

// Writes an entry into the current key; an empty IconPath is stored as Path.
void WriteEntryValues(RegistryAccessor& reg, const ListType& entry);

// A flag of the current key, or fallback when it is missing or damaged.
bool ReadBoolOr(RegistryAccessor& reg, const std::string& name, bool fallback);

// The written defaults of a first run, into the current key.
void WriteFirstRunDefaults(RegistryAccessor& reg);

// How many entry subkeys to load, from the stored count clamped to 0..20.
int ClampStoredCount(std::int32_t stored);

// When "Icon Count" is present but unreadable, the entries are still there:
// count the consecutive entry subkeys from slot 0 that exist.
int CountStoredEntrySubkeys(RegistryAccessor& reg);

} // namespace corvane
