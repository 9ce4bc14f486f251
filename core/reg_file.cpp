#include "core/reg_file.h"

#include "core/text.h"
#include "core/utf16.h"

#include <string_view>

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

// Text values are held as UTF-8 and stored as UTF-16LE.
std::vector<std::uint8_t> StoredBytes(const RegValue& value) {
    if (!HoldsText(value.type))
        return value.data;
    return Utf8ToUtf16LeBytes(
        {reinterpret_cast<const char*>(value.data.data()), value.data.size()});
}

// Whether a text can be written between quotes: a line break would end its
// line there, and "reg export" writes a text with any control character in hex.
bool Quotable(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20)
            return false;
    return true;
}

std::string ValueLine(const NamedValue& value) {
    std::string line = value.name.empty() ? "@=" : "\"" + Escaped(value.name) + "\"=";
    const RegValue& v = value.value;
    std::vector<std::uint8_t> bytes = StoredBytes(v);
    if (v.type == RegType::Sz) {
        const std::string text =
            UpToFirstZero({reinterpret_cast<const char*>(v.data.data()), v.data.size()});
        if (Quotable(text))
            return line + "\"" + Escaped(text) + "\"";
        // As hex(1), with the terminating zero that the system stores.
        bytes = Utf8ToUtf16LeBytes(text);
        bytes.insert(bytes.end(), {0, 0});
    }
    if (v.type == RegType::Dword && v.data.size() == 4) {
        const unsigned number =
            v.data[0] | v.data[1] << 8 | v.data[2] << 16 | unsigned(v.data[3]) << 24;
        return line + "dword:" + Hex(number, 8, false);
    }
    std::size_t column = Utf16Length(line);
    const std::string kind =
        v.type == RegType::Binary ? "hex:" : "hex(" + Hex(unsigned(v.type), 1, false) + "):";
    line += kind;
    column += kind.size();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        line += Hex(bytes[i], 2, false);
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
