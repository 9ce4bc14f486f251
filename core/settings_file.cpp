// Corvane.ini: the store's keys as sections of "name=value" lines, read by the
// rules an import of settings follows.
#include "core/settings_file.h"

#include "core/reg_file.h"
#include "core/store_file.h"
#include "core/text.h"
#include "core/utf16.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

namespace corvane {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A text as its line holds it: a line break (CR LF or LF) in it would end the
// line, so each is written as one blank; in double quotes when a read would
// otherwise take off blanks at its ends or quotes around it.
std::string TextValue(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            continue;
        out += text[at] == '\n' ? ' ' : text[at];
    }
    if (!out.empty() && (IsBlank(out.front()) || IsBlank(out.back()) || out.front() == '"'))
        return '"' + out + '"';
    return out;
}

std::string ValueText(const RegValue& value) {
    const std::vector<std::uint8_t>& data = value.data;
    if (value.type == RegType::Dword && data.size() == 4)
        return std::to_string(data[0] | data[1] << 8 | data[2] << 16 |
                              static_cast<std::uint32_t>(data[3]) << 24);
    return TextValue(UpToFirstZero({reinterpret_cast<const char*>(data.data()), data.size()}));
}

void Section(const MemoryRegistry& registry, const std::string& path, std::string& text) {
    if (!text.empty())
        text += "\r\n";
    text += "[" + registry.NameOf(path) + "]\r\n";
    for (const NamedValue& value : registry.Values(path))
        text += value.name + "=" + ValueText(value.value) + "\r\n";
    for (const std::string& name : registry.Subkeys(path))
        Section(registry, path + "\\" + name, text);
}

// 1 to 10 decimal digits up to 4294967295, the whole of text.
bool DecimalNumber(std::string_view text, std::uint32_t& number) {
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 0xFFFFFFFFu)
            return false;
    }
    number = static_cast<std::uint32_t>(value);
    return !text.empty();
}

// The value of a "name=value" line as the store holds it, or why not.
std::string Value(std::string_view written, RegFileItem& item) {
    if (written.size() >= 2 && written.front() == '"' && written.back() == '"')
        written = written.substr(1, written.size() - 2);
    if (!IsSettingsNumber(item.name)) {
        item.type = RegType::Sz;
        item.data.assign(written.begin(), written.end());
        return {};
    }
    std::uint32_t number = 0;
    if (!DecimalNumber(written, number))
        return "holds \"" + item.name + "\" as no number from 0 to 4294967295";
    item.type = RegType::Dword;
    item.data = {std::uint8_t(number), std::uint8_t(number >> 8), std::uint8_t(number >> 16),
                 std::uint8_t(number >> 24)};
    return {};
}

// Every key of `from` below path, with its values, into `to`.
void CopyKeys(const MemoryRegistry& from, const std::string& path, MemoryRegistry& to) {
    for (const std::string& name : from.Subkeys(path)) {
        const std::string key = path.empty() ? name : path + "\\" + name;
        if (const std::optional<RegKey> created = to.CreateKey(to.CurrentUser(), key))
            to.CloseKey(*created);
        for (const NamedValue& value : from.Values(key))
            to.Put(key, value.name, value.value.type, value.value.data);
        CopyKeys(from, key, to);
    }
}

} // namespace

std::vector<std::uint8_t> SettingsFileBytes(const MemoryRegistry& registry,
                                            const std::string& path) {
    std::string text;
    if (registry.Exists(path))
        Section(registry, path, text);
    return {text.begin(), text.end()};
}

SettingsFileRead ReadSettingsFile(const std::vector<std::uint8_t>& bytes, MemoryRegistry& into) {
    const auto refused = [](int line, const std::string& why) {
        return SettingsFileRead{false, "Line " + std::to_string(line) + ": " + why};
    };
    if (bytes.size() > kRegFileMaxBytes)
        return refused(1, "belongs to a file larger than any settings file");
    const bool bom = bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<RegFileItem> items;
    std::optional<std::string> section;
    std::set<std::pair<std::string, std::string>> named; // section, value name, in lower case
    int number = 0;
    for (std::size_t at = bom ? 3 : 0, end = 0; at <= text.size(); at = end + 1) {
        end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = Trimmed(line);
        ++number;
        if (!IsUtf8(line))
            return refused(number, "is not UTF-8 text");
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        RegFileItem& item = items.emplace_back();
        item.line = number;
        if (line.front() == '[') {
            if (line.back() != ']')
                return refused(number, "opens a section name that does not close with ']'");
            section = std::string(line.substr(1, line.size() - 2));
            item.isKey = true;
            item.key = std::string(kCurrentUserName) + "\\" + *section;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return refused(number, "is neither a section nor a value");
        if (!section)
            return refused(number, "holds a value before any section");
        item.key = std::string(kCurrentUserName) + "\\" + *section;
        item.name = Trimmed(line.substr(0, equals));
        if (!named.emplace(AsciiLower(*section), AsciiLower(item.name)).second)
            return refused(number, "gives \"" + item.name + "\" a second time in its section");
        if (const std::string why = Value(Trimmed(line.substr(equals + 1)), item); !why.empty())
            return refused(number, why);
    }
    if (items.empty())
        return {true, {}};
    MemoryRegistry read;
    const StoreImport taken = TakeSettings(items, read);
    if (!taken.contents)
        return {false, taken.refusal};
    CopyKeys(read, {}, into);
    return {};
}

} // namespace corvane
