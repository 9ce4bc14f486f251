#include "core/store_file.h"

#include "core/hot_key.h"
#include "core/memory_registry.h"
#include "core/reg_file.h"
#include "core/store_layout.h"
#include "core/text.h"

#include <map>

namespace corvane {
namespace {

// The slot of an entry key ("Tool Box Icon  N", N in decimal), -1 for the
// settings key, or nothing for any other key. A slot past the table counts.
std::optional<int> SlotOfKey(const std::string& name) {
    const std::string settings = AsciiLower(std::string(kCurrentUserName) + kSettingsKey);
    const std::string key = AsciiLower(name);
    if (key == settings)
        return -1;
    const std::string prefix = settings + "\\" + AsciiLower(EntryKeyName(0)).substr(0, 15);
    const std::string digits = key.substr(std::min(prefix.size(), key.size()));
    if (key.compare(0, prefix.size(), prefix) != 0 || digits.empty() || digits.size() > 3 ||
        digits.find_first_not_of("0123456789") != std::string::npos ||
        (digits[0] == '0' && digits.size() > 1))
        return std::nullopt;
    return std::stoi(digits);
}

// The values a store holds: whether each is a text, and which text of an entry.
struct Rule {
    bool text;
    std::optional<EntryText> field;
};
const std::map<std::string, Rule>& Rules() {
    static const std::map<std::string, Rule> rules = {
        {AsciiLower(kValPath), {true, EntryText::Path}},
        {AsciiLower(kValIconPath), {true, EntryText::IconPath}},
        {AsciiLower(kValToolTip), {true, EntryText::Description}},
        {AsciiLower(kValParams), {true, EntryText::Parameters}},
        {AsciiLower(kValAutoStart), {false, {}}},
        {AsciiLower(kValStartMode), {false, {}}},
        {AsciiLower(kValIconCount), {false, {}}},
        {AsciiLower(kValPopUpIt), {false, {}}},
        {AsciiLower(kValSmallIcons), {false, {}}},
        {AsciiLower(kValSingleClick), {false, {}}},
        {AsciiLower(kValHideOnStart), {false, {}}},
        {AsciiLower(kValRunAsAdmin), {false, {}}},
        {AsciiLower(kValHotKey), {false, {}}},
        {AsciiLower(kValTrayIconId), {false, {}}},
    };
    return rules;
}

// Why a value cannot be taken, or nothing.
std::string ValueProblem(const RegFileItem& item) {
    const bool text = item.type == RegType::Sz || item.type == RegType::ExpandSz;
    const auto rule = Rules().find(AsciiLower(item.name));
    if (item.type != RegType::Sz && item.type != RegType::ExpandSz && item.type != RegType::Dword &&
        item.type != RegType::Binary && item.type != RegType::MultiSz)
        return "holds a value of a type the settings never hold";
    if (rule != Rules().end() && rule->second.text != text)
        return "holds \"" + item.name + "\" as " + (text ? "a text" : "no text") +
               (rule->second.text ? "; it is a text" : "; it is a number");
    const std::string_view data(reinterpret_cast<const char*>(item.data.data()), item.data.size());
    if (text && rule != Rules().end()) {
        // An entry's text is what a read of it gives: up to its first zero.
        const EntryText field = *rule->second.field;
        switch (FaultOf(field, UpToFirstZero(data))) {
        case TextFault::TooLong:
            return "holds \"" + item.name + "\" longer than " + std::to_string(LongestText(field)) +
                   " characters";
        case TextFault::ControlCharacter:
            return "holds \"" + item.name + "\" with a control character";
        case TextFault::None:
            break;
        }
    } else if (text && Utf16Length(data) > kTextValueMax) {
        return "holds \"" + item.name + "\" longer than " + std::to_string(kTextValueMax) +
               " characters";
    }
    if (AsciiLower(item.name) == AsciiLower(kValIconCount) && item.data.size() == 4 &&
        (item.data[3] != 0 || item.data[2] != 0 || item.data[1] != 0 || item.data[0] > kMaxEntries))
        return "counts more than 20 entries";
    return {};
}

StoreImport Refused(int line, const std::string& why) {
    return {std::nullopt, "Line " + std::to_string(line) + ": " + why};
}

} // namespace

void WriteWholeStore(MemoryRegistry& memory, const Options& options, std::uint16_t hotKey,
                     const EntryTable& fresh) {
    SettingsStore store(memory);
    // Writes in memory land.
    store.Save(options, fresh);
    store.SaveSmallIcons(options.smallIcons);
    store.SaveHotKey(hotKey);
}

std::vector<std::uint8_t> ExportStore(const Options& options, std::uint16_t hotKey,
                                      const EntryTable& table) {
    MemoryRegistry memory;
    EntryTable fresh; // nothing of it stored yet
    for (int slot = 0; slot < table.Count(); ++slot)
        fresh.Append(table.At(slot));
    WriteWholeStore(memory, options, hotKey, fresh);
    return RegFileBytes(RegFileText(memory, SettingsPath()));
}

StoreImport TakeSettings(const std::vector<RegFileItem>& items, MemoryRegistry& memory) {
    std::map<int, int> entryLines; // slot, line of its key
    bool settings = false;
    for (const RegFileItem& item : items) {
        const std::optional<int> slot = SlotOfKey(item.key);
        if (!slot)
            return Refused(item.line, "names a key outside Corvane's settings");
        if (*slot >= kMaxEntries)
            return Refused(item.line, "names an entry past the 20 a table holds");
        const std::string path = item.key.substr(std::string(kCurrentUserName).size() + 1);
        if (item.isKey) {
            memory.CloseKey(*memory.CreateKey(memory.CurrentUser(), path));
            settings = settings || *slot < 0;
            entryLines.emplace(*slot, item.line);
            continue;
        }
        if (const std::string why = ValueProblem(item); !why.empty())
            return Refused(item.line, why);
        memory.Put(path, item.name, item.type, item.data);
    }
    if (!settings)
        return {std::nullopt,
                "The file holds no [" + std::string(kCurrentUserName) + kSettingsKey + "] key"};
    const StoreContents contents = SettingsStore(memory).Load();
    // Every entry key is read: none past a missing one or past the count.
    for (const auto& [slot, line] : entryLines)
        if (slot >= static_cast<int>(contents.entries.size()))
            return Refused(line, "names an entry past " + std::to_string(contents.entries.size()) +
                                     " that one after another and the count give");
    return {contents, {}};
}

StoreImport ImportStore(const std::vector<std::uint8_t>& bytes) {
    const RegFileRead read = ReadRegFile(bytes);
    if (read.errorLine)
        return Refused(read.errorLine, read.error);
    MemoryRegistry memory;
    return TakeSettings(read.items, memory);
}

bool IsSettingsNumber(const std::string& name) {
    const auto rule = Rules().find(AsciiLower(name));
    return rule != Rules().end() && !rule->second.text;
}

} // namespace corvane
