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

std::string EntrySubkey(int slot) {
    return std::string(kSettingsKey) + "\\Tool Box Icon  " + std::to_string(slot);
}

ListType ReadEntryValues(RegistryAccessor& reg) {
    ListType entry;
    entry.Path = StringOr(reg, kValPath);
    entry.IconPath = StringOr(reg, kValIconPath);
    entry.Params = StringOr(reg, kValParams);
    entry.ToolTip = StringOr(reg, kValToolTip);
    entry.AutoStart = IntegerOr(reg, kValAutoStart, 0) != 0;
    entry.StartMode = IntegerOr(reg, kValStartMode, 0);
    return entry;
}

void WriteEntryValues(RegistryAccessor& reg, const ListType& entry) {
    reg.WriteString(kValIconPath, entry.IconPath.empty() ? entry.Path : entry.IconPath);
    reg.WriteString(kValPath, entry.Path);
    reg.WriteString(kValParams, entry.Params);
    reg.WriteString(kValToolTip, entry.ToolTip);
    reg.WriteBool(kValAutoStart, entry.AutoStart);
    reg.WriteInteger(kValStartMode, entry.StartMode);
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

int ClampStoredCount(std::int32_t stored) {
    if (stored <= 0)
        return 0;
    return stored > kMaxEntries ? kMaxEntries : static_cast<int>(stored);
}

int CountStoredEntrySubkeys(RegistryAccessor& reg) {
    int count = 0;
    while (count < kMaxEntries && reg.KeyExists(EntrySubkey(count)))
        ++count;
    return count;
}

} // namespace corvane
