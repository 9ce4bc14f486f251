#pragma once
// The store's layout in the registry and the reads and writes of whole
// entries and options.
#include "core/entry.h"
#include "core/registry_accessor.h"

#include <functional>
#include <optional>
#include <string>

namespace corvane {

// The four options as the options page shows them.
struct Options {
    bool singleClick = false;
    bool hideOnStart = false;
    bool popUp = false;
    bool smallIcons = false;
    bool operator==(const Options&) const = default;
};

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

// "Tool Box Icon  <slot>" (two blanks): the name of a slot's entry subkey.
std::string EntryKeyName(int slot);
// "\SOFTWARE\Quennard\Corvane\3.0\Tool Box Icon  <slot>".
std::string EntrySubkey(int slot);
// The settings key's "Moving Entry" subkey.
std::string MovingEntrySubkey();

// Reads the current key's entry values. A value that is missing or of the
// wrong type takes its default (empty text, false, Normal), so one damaged
// value never costs the entry or the entries after it.
Entry ReadEntryValues(RegistryAccessor& reg);

// Writes an entry into the current key; an empty IconPath is stored as Path.
void WriteEntryValues(RegistryAccessor& reg, const Entry& entry);

// A flag of the current key, or fallback when it is missing or damaged.
bool ReadBoolOr(RegistryAccessor& reg, const std::string& name, bool fallback);

// The written defaults of a first run, into the current key.
void WriteFirstRunDefaults(RegistryAccessor& reg);

// How many entry subkeys to load, from the current (settings) key. A stored
// "Icon Count" of 0 to 20 is trusted: every subkey below it holds an entry
// (and a 0 is an empty table, whatever subkeys are left). Without such a
// count (missing, of the wrong type, negative or over 20) the store is
// damaged but its entries are still there: as many subkeys as follow one
// another from subkey 0, up to 20. Nothing when there is neither a count nor
// subkey 0: a first run.
std::optional<int> StoredEntryCount(RegistryAccessor& reg);

// Reads count entry subkeys from slot 0, without creating any, and hands each
// entry to take as soon as it is read. A subkey that is missing or cannot be
// opened stops it: the read failure naming that subkey, as the subkeys from
// there on were never read.
std::optional<std::string> ReadEntries(RegistryAccessor& reg, int count,
                                       const std::function<void(Entry)>& take);

// "Single Click", "Hide on Start" and "PopUpIt" into the current key.
// ("SmallIcons" is stored the moment it changes.)
void WriteOptions(RegistryAccessor& reg, const Options& options);

// A save: every entry into its subkey, then the options and "Icon Count",
// then the entry subkeys at and above the count go (one that cannot be
// removed stays, past the count, never read). Before a slot is overwritten,
// what it held is kept; a failed write puts every overwritten slot back (as
// far as it can be written) and then throws, so the store holds the last save
// and the old count. A save cut short by the end of the program loses no
// entry that both tables hold (the table's stored slots say which): new slots
// past the stored count are written first and counted, an entry is written
// at its new slot before its old one is overwritten, and where entries swap
// places one of them waits in the moving-entry key, which a load reads.
// An empty table's save writes the count of 0 before it removes the entry
// subkeys: cut short, it leaves no count over a subkey that is gone.
void WriteSettings(RegistryAccessor& reg, const Options& options, const EntryTable& table);

} // namespace corvane
