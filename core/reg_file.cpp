#include "core/reg_file.h"

#include "core/text.h"
#include "core/utf16.h"

#include <cstdio>

namespace corvane {
namespace {

// Where hex data wraps: after the byte that takes a line to this column.
constexpr std::size_t kHexWrap = 77;

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out;
}

std::string Hex(const char* format, unsigned value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, format, value);
    return digits;
}

// Text values are held as UTF-8 and stored as UTF-16LE.
std::vector<std::uint8_t> StoredBytes(const RegValue& value) {
    if (!HoldsText(value.type))
        return value.data;
    return Utf8ToUtf16LeBytes(
        {reinterpret_cast<const char*>(value.data.data()), value.data.size()});
}

std::string ValueLine(const NamedValue& value) {
    std::string line = value.name.empty() ? "@=" : "\"" + Escaped(value.name) + "\"=";
    const RegValue& v = value.value;
    if (v.type == RegType::Sz)
        return line + "\"" +
               Escaped(
                   UpToFirstZero({reinterpret_cast<const char*>(v.data.data()), v.data.size()})) +
               "\"";
    if (v.type == RegType::Dword && v.data.size() == 4) {
        const unsigned number =
            v.data[0] | v.data[1] << 8 | v.data[2] << 16 | unsigned(v.data[3]) << 24;
        return line + "dword:" + Hex("%08x", number);
    }
    std::size_t column = Utf16Length(line);
    const std::string kind =
        v.type == RegType::Binary ? "hex:" : "hex(" + Hex("%x", unsigned(v.type)) + "):";
    line += kind;
    column += kind.size();
    const std::vector<std::uint8_t> bytes = StoredBytes(v);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        line += Hex("%02x", bytes[i]);
        if (i + 1 == bytes.size())
            break;
        line += ',';
        column += 3;
        if (column >= kHexWrap) {
            line += "\\\r\n  ";
            column = 2;
        }
    }
    return line;
}

void KeyBlock(const MemoryRegistry& registry, const std::string& path, std::string& text) {
    text += "\r\n[" + std::string(kCurrentUserName) + "\\" + registry.NameOf(path) + "]\r\n";
    for (const NamedValue& value : registry.Values(path))
        text += ValueLine(value) + "\r\n";
    for (const std::string& name : registry.Subkeys(path))
        KeyBlock(registry, path + "\\" + name, text);
}

} // namespace

std::string RegFileText(const MemoryRegistry& registry, const std::string& path) {
    std::string text = std::string(kRegFileHeader) + "\r\n";
    if (registry.Exists(path))
        KeyBlock(registry, path, text);
    return text + "\r\n";
}

std::vector<std::uint8_t> RegFileBytes(const std::string& text) {
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    const std::vector<std::uint8_t> units = Utf8ToUtf16LeBytes(text);
    bytes.insert(bytes.end(), units.begin(), units.end());
    return bytes;
}

} // namespace corvane
