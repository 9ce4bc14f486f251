#include "core/settings_store.h"

namespace corvane {
namespace {

std::string StringOr(RegistryAccessor& reg, const char* name) {
    try {
        return reg.ReadString(name);
    } catch (const ERegistryException&) {
        return {};
    }
}

std::int32_t IntegerOr(RegistryAccessor& reg, const char* name, std::int32_t fallback) {
    try {
        return reg.ReadInteger(name);
    } catch (const ERegistryException&) {
        return fallback;
    }
}

void RemoveEntryKeys(RegistryAccessor& reg, int from) {
    for (int slot = from; slot < kMaxEntries; ++slot)
        reg.DeleteKey(EntrySubkey(slot));
}

void WriteOptionsAndCount(RegistryAccessor& reg, const Options& options, int count) {
    reg.OpenKey(kSettingsKey, true);
    WriteOptions(reg, options);
    reg.WriteInteger(kValIconCount, count);
}

// Best effort, from the slot a failed write left half written down to slot 0;
// a slot that cannot be written stops it.
void PutBack(RegistryAccessor& reg, const std::vector<Entry>& kept) {
    try {
        for (int slot = static_cast<int>(kept.size()) - 1; slot >= 0; --slot) {
            reg.OpenKey(EntrySubkey(slot), true);
            WriteEntryValues(reg, kept[static_cast<std::size_t>(slot)]);
        }
    } catch (const ERegistryException&) {
        // The store cannot be written now; the caller reports the first failure.
    }
}

} // namespace

std::string EntryKeyName(int slot) {
    return "Tool Box Icon  " + std::to_string(slot);
}

std::string EntrySubkey(int slot) {
    return std::string(kSettingsKey) + "\\" + EntryKeyName(slot);
}

Entry ReadEntryValues(RegistryAccessor& reg) {
    Entry entry;
    entry.Path = StringOr(reg, kValPath);
    entry.IconPath = StringOr(reg, kValIconPath);
    entry.Params = StringOr(reg, kValParams);
    entry.ToolTip = StringOr(reg, kValToolTip);
    entry.AutoStart = IntegerOr(reg, kValAutoStart, 0) != 0;
    entry.StartMode = IntegerOr(reg, kValStartMode, 0);
    entry.RunAsAdmin = IntegerOr(reg, kValRunAsAdmin, 0) != 0;
    return entry;
}

void WriteEntryValues(RegistryAccessor& reg, const Entry& entry) {
    reg.WriteString(kValIconPath, entry.IconPath.empty() ? entry.Path : entry.IconPath);
    reg.WriteString(kValPath, entry.Path);
    reg.WriteString(kValParams, entry.Params);
    reg.WriteString(kValToolTip, entry.ToolTip);
    reg.WriteBool(kValAutoStart, entry.AutoStart);
    reg.WriteInteger(kValStartMode, entry.StartMode);
    reg.WriteBool(kValRunAsAdmin, entry.RunAsAdmin);
}

bool ReadBoolOr(RegistryAccessor& reg, const std::string& name, bool fallback) {
    try {
        return reg.ReadBool(name);
    } catch (const ERegistryException&) {
        return fallback;
    }
}

void WriteFirstRunDefaults(RegistryAccessor& reg) {
    reg.WriteInteger(kValIconCount, 0);
    reg.WriteBool(kValSingleClick, false);
    reg.WriteBool(kValHideOnStart, false);
    reg.WriteBool(kValPopUpIt, false);
    reg.WriteBool(kValSmallIcons, false);
}

std::optional<int> StoredEntryCount(RegistryAccessor& reg) {
    try {
        const std::int32_t stored = reg.ReadInteger(kValIconCount);
        if (stored >= 0)
            return stored > kMaxEntries ? kMaxEntries : static_cast<int>(stored);
    } catch (const ERegistryException&) {
        // Missing or damaged: subkey 0 tells.
    }
    if (reg.KeyExists(EntrySubkey(0)))
        return kMaxEntries;
    if (!reg.ValueExists(kValIconCount))
        return std::nullopt;
    return 0;
}

std::optional<std::string> ReadEntries(RegistryAccessor& reg, int count,
                                       const std::function<void(Entry)>& take) {
    for (int slot = 0; slot < count; ++slot) {
        if (!reg.OpenKey(EntrySubkey(slot), false))
            return reg.KeyExists(EntrySubkey(slot))
                       ? std::optional(ReadFailureMessage(EntryKeyName(slot)))
                       : std::nullopt;
        take(ReadEntryValues(reg));
    }
    return std::nullopt;
}

void WriteOptions(RegistryAccessor& reg, const Options& options) {
    reg.WriteBool(kValSingleClick, options.singleClick);
    reg.WriteBool(kValHideOnStart, options.hideOnStart);
    reg.WriteBool(kValPopUpIt, options.popUp);
}

void WriteSettings(RegistryAccessor& reg, const Options& options, const EntryTable& table) {
    const int count = table.Count();
    if (count == 0) {
        RemoveEntryKeys(reg, 0);
        WriteOptionsAndCount(reg, options, 0);
        return;
    }
    std::vector<Entry> kept; // what each slot held before this save
    try {
        for (int slot = 0; slot < count; ++slot) {
            // A slot that cannot be opened is neither read nor written (its
            // first write throws), so nothing is put back into it.
            if (reg.OpenKey(EntrySubkey(slot), true))
                kept.push_back(ReadEntryValues(reg));
            WriteEntryValues(reg, table.At(slot));
        }
        WriteOptionsAndCount(reg, options, count);
    } catch (const ERegistryException&) {
        PutBack(reg, kept);
        throw;
    }
    RemoveEntryKeys(reg, count);
}

} // namespace corvane
