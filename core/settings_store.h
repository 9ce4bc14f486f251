#pragma once
// The settings store: the one place that decides what the registry holds for
// the program, and how a load reads it and a save writes it.
#include "core/entry.h"
#include "core/registry_api.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// The four options as the options page shows them.
struct Options {
    bool singleClick = false;
    bool hideOnStart = false;
    bool popUp = false;
    bool smallIcons = false;
    bool operator==(const Options&) const = default;
};

// What a load reads: each option missing or damaged off, the hot key none.
struct StoreContents {
    Options options;
    std::uint16_t hotKey = 0; // none
    std::vector<Entry> entries;
    // The read failure of the entry subkey below the count that is missing or
    // could not be opened: the load stopped there.
    std::optional<std::string> unreadEntry;
    // Neither a count nor entry subkey 0: nothing was ever stored.
    bool firstRun = false;
};

// The options and the hot key as stored, each missing or damaged one as
// nothing.
struct StoredOptions {
    std::optional<bool> singleClick, hideOnStart, popUp, smallIcons;
    std::optional<std::uint16_t> hotKey;
};

// A write that failed: "Failed to set data for '<name>'" of the first value
// not written; nothing when every write landed.
using WriteFailure = std::optional<std::string>;

class SettingsStore {
public:
    explicit SettingsStore(RegistryApi& api) : api_(api) {}

    // The settings key is opened as a save opens it (created when missing).
    // How many entries: a stored "Icon Count" of 0 to 20 is trusted, every
    // subkey below it holds an entry (and a 0 is an empty table, whatever
    // subkeys are left). Without such a count (missing, of the wrong type,
    // negative or over 20) the store is damaged but its entries are still
    // there: as many subkeys as follow one another from subkey 0, up to 20.
    // The entry subkeys are read from slot 0 without creating any; one that
    // is missing or cannot be opened stops the load, which names it.
    StoreContents Load();
    StoredOptions LoadOptions();

    // A save: every entry into its subkey, then the options and "Icon Count",
    // then the entry subkeys at and above the count go (one that cannot be
    // removed stays, past the count, never read). Before a slot is
    // overwritten, what it held is kept; a failed write puts every
    // overwritten slot back (as far as it can be written), so the store holds
    // the last save and the old count. A save cut short by the end of the
    // program loses no entry that both tables hold (the table's stored slots
    // say which): new slots past the stored count are written first and
    // counted, an entry is written at its new slot before its old one is
    // overwritten, and where entries swap places one of them waits in the
    // moving-entry key, which a load reads. An empty table's save writes the
    // count of 0 before it removes the entry subkeys: cut short, it leaves no
    // count over a subkey that is gone.
    WriteFailure Save(const Options& options, const EntryTable& table);
    // "Single Click", "Hide on Start" and "PopUpIt" alone: a run whose
    // entries could not all be read changes no entry and no count.
    WriteFailure SaveOptions(const Options& options);
    // Stored the moment they change.
    WriteFailure SaveSmallIcons(bool small);
    WriteFailure SaveHotKey(std::uint16_t hotKey);
    // A first run's count of 0 and options all off.
    WriteFailure SaveFirstRunDefaults();

private:
    WriteFailure WriteTable(const Options& options, const EntryTable& table);
    // The writes' failure, or else the flush's.
    WriteFailure Lasting(const WriteFailure& failure);

    RegistryApi& api_;
};

} // namespace corvane
