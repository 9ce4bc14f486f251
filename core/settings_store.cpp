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
        if (stored >= 0 && stored <= kMaxEntries)
            return static_cast<int>(stored);
    } catch (const ERegistryException&) {
        // Missing or damaged: the entry subkeys tell.
    }
    int following = 0;
    while (following < kMaxEntries && reg.KeyExists(EntrySubkey(following)))
        ++following;
    if (following == 0 && !reg.ValueExists(kValIconCount))
        return std::nullopt;
    return following;
}

std::string MovingEntrySubkey() {
    return std::string(kSettingsKey) + "\\" + kMovingEntryKey;
}

std::optional<std::string> ReadEntries(RegistryAccessor& reg, int count,
                                       const std::function<void(Entry)>& take) {
    int movingSlot = -1;
    Entry moving;
    if (reg.OpenKey(MovingEntrySubkey(), false)) {
        movingSlot = IntegerOr(reg, kValMovingSlot, -1);
        moving = ReadEntryValues(reg);
    }
    for (int slot = 0; slot < count; ++slot) {
        if (!reg.OpenKey(EntrySubkey(slot), false))
            return ReadFailureMessage(EntryKeyName(slot));
        take(slot == movingSlot ? moving : ReadEntryValues(reg));
    }
    return std::nullopt;
}

void WriteOptions(RegistryAccessor& reg, const Options& options) {
    reg.WriteBool(kValSingleClick, options.singleClick);
    reg.WriteBool(kValHideOnStart, options.hideOnStart);
    reg.WriteBool(kValPopUpIt, options.popUp);
}

} // namespace corvane
