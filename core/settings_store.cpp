// The store's layout, its load and the writes of single values.
#include "core/settings_store.h"

#include "core/hot_key.h"
#include "core/store_layout.h"

namespace corvane {
namespace {

// How many entry subkeys to load (see Load), or nothing for a first run.
std::optional<int> StoredEntryCount(RegistryApi& api, const SettingsKey& settings) {
    const std::optional<std::int32_t> stored = settings.Number(kValIconCount);
    if (stored && *stored >= 0 && *stored <= kMaxEntries)
        return static_cast<int>(*stored);
    int following = 0;
    while (following < kMaxEntries &&
           SettingsKey::Exists(api, api.CurrentUser(), EntryPath(following)))
        ++following;
    if (following == 0 && !settings.HasValue(kValIconCount))
        return std::nullopt;
    return following;
}

// The entries of slots 0 to count - 1, an entry that waits in the moving-entry
// key in place of the slot it stands for; the read failure of the first
// subkey that is missing or cannot be opened ends them.
void ReadEntries(RegistryApi& api, int count, StoreContents& contents) {
    const RegKey root = api.CurrentUser();
    int movingSlot = -1;
    Entry moving;
    if (const SettingsKey key = SettingsKey::OpenForReading(api, root, MovingEntryPath());
        key.IsOpen()) {
        movingSlot = key.Number(kValMovingSlot, -1);
        moving = ReadEntryValues(key);
    }
    for (int slot = 0; slot < count; ++slot) {
        const SettingsKey key = SettingsKey::OpenForReading(api, root, EntryPath(slot));
        if (!key.IsOpen()) {
            contents.unreadEntry = ReadFailureMessage(EntryKeyName(slot));
            return;
        }
        contents.entries.push_back(slot == movingSlot ? moving : ReadEntryValues(key));
    }
}

StoredOptions OptionsOf(const SettingsKey& settings) {
    const auto flag = [&](const char* name) -> std::optional<bool> {
        const std::optional<std::int32_t> number = settings.Number(name);
        return number ? std::optional(*number != 0) : std::nullopt;
    };
    const std::optional<std::int32_t> hotKey = settings.Number(kValHotKey);
    return {flag(kValSingleClick), flag(kValHideOnStart), flag(kValPopUpIt), flag(kValSmallIcons),
            hotKey ? std::optional(HotKeyFromStore(*hotKey)) : std::nullopt};
}

} // namespace

std::string SettingsPath() {
    return std::string(kSettingsKey).substr(1);
}

std::string EntryKeyName(int slot) {
    return "Tool Box Icon  " + std::to_string(slot);
}

std::string EntryPath(int slot) {
    return SettingsPath() + "\\" + EntryKeyName(slot);
}

std::string MovingEntryPath() {
    return SettingsPath() + "\\" + kMovingEntryKey;
}

Entry ReadEntryValues(const SettingsKey& key) {
    Entry entry;
    entry.path = key.Text(kValPath, "");
    entry.iconPath = key.Text(kValIconPath, "");
    entry.parameters = key.Text(kValParams, "");
    entry.description = key.Text(kValToolTip, "");
    entry.autoStart = key.Flag(kValAutoStart, false);
    entry.startMode = key.Number(kValStartMode, 0);
    entry.runAsAdmin = key.Flag(kValRunAsAdmin, false);
    entry.iconId = key.Number(kValTrayIconId, 0);
    return entry;
}

void WriteEntryValues(SettingsKey& key, const Entry& entry) {
    key.SetText(kValIconPath, entry.iconPath.empty() ? entry.path : entry.iconPath);
    key.SetText(kValPath, entry.path);
    key.SetText(kValParams, entry.parameters);
    key.SetText(kValToolTip, entry.description);
    key.SetFlag(kValAutoStart, entry.autoStart);
    key.SetNumber(kValStartMode, entry.startMode);
    key.SetFlag(kValRunAsAdmin, entry.runAsAdmin);
    key.SetNumber(kValTrayIconId, entry.iconId);
}

void WriteOptionValues(SettingsKey& settings, const Options& options) {
    settings.SetFlag(kValSingleClick, options.singleClick);
    settings.SetFlag(kValHideOnStart, options.hideOnStart);
    settings.SetFlag(kValPopUpIt, options.popUp);
}

StoreContents SettingsStore::Load() {
    const SettingsKey settings =
        SettingsKey::OpenForWriting(api_, api_.CurrentUser(), SettingsPath());
    const StoredOptions stored = OptionsOf(settings);
    StoreContents contents;
    contents.options = {stored.singleClick.value_or(false), stored.hideOnStart.value_or(false),
                        stored.popUp.value_or(false), stored.smallIcons.value_or(false)};
    contents.hotKey = stored.hotKey.value_or(0);
    const std::optional<int> count = StoredEntryCount(api_, settings);
    contents.firstRun = !count;
    ReadEntries(api_, count.value_or(0), contents);
    return contents;
}

StoredOptions SettingsStore::LoadOptions() {
    return OptionsOf(SettingsKey::OpenForWriting(api_, api_.CurrentUser(), SettingsPath()));
}

WriteFailure SettingsStore::Lasting(const WriteFailure& failure) {
    return failure ? failure : api_.Flush();
}

WriteFailure SettingsStore::SaveOptions(const Options& options) {
    SettingsKey settings = SettingsKey::OpenForWriting(api_, api_.CurrentUser(), SettingsPath());
    WriteOptionValues(settings, options);
    return Lasting(settings.WriteFailure());
}

WriteFailure SettingsStore::SaveSmallIcons(bool small) {
    SettingsKey settings = SettingsKey::OpenForWriting(api_, api_.CurrentUser(), SettingsPath());
    settings.SetFlag(kValSmallIcons, small);
    return Lasting(settings.WriteFailure());
}

WriteFailure SettingsStore::SaveHotKey(std::uint16_t hotKey) {
    SettingsKey settings = SettingsKey::OpenForWriting(api_, api_.CurrentUser(), SettingsPath());
    settings.SetNumber(kValHotKey, hotKey);
    return Lasting(settings.WriteFailure());
}

WriteFailure SettingsStore::SaveFirstRunDefaults() {
    SettingsKey settings = SettingsKey::OpenForWriting(api_, api_.CurrentUser(), SettingsPath());
    settings.SetNumber(kValIconCount, 0);
    settings.SetFlag(kValSingleClick, false);
    settings.SetFlag(kValHideOnStart, false);
    settings.SetFlag(kValPopUpIt, false);
    settings.SetFlag(kValSmallIcons, false);
    return Lasting(settings.WriteFailure());
}

} // namespace corvane
