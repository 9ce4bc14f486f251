// Reading a registry file: line by line, each refusal naming its line.
#include "core/reg_file.h"

#include "core/utf16.h"

#include <string_view>

namespace corvane {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// 1 to maxDigits hex digits, the whole of text.
bool HexNumber(std::string_view text, std::size_t maxDigits, std::uint32_t& number) {
    if (text.empty() || text.size() > maxDigits)
        return false;
    number = 0;
    for (const char c : text) {
        if (HexDigit(c) < 0)
            return false;
        number = number << 4 | static_cast<std::uint32_t>(HexDigit(c));
    }
    return true;
}

// A quoted text from text[at] (the opening quote), "\\" and "\"" undone, and
// "\r" and "\n" (a line break, as Wine's reg export writes it); at moves past
// the closing quote. False when it never closes or holds another escape.
bool Quoted(std::string_view text, std::size_t& at, std::string& out) {
    for (++at; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            ++at;
            return true;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++at == text.size())
            return false;
        if (text[at] == 'r' || text[at] == 'n')
            out += text[at] == 'r' ? '\r' : '\n';
        else if (text[at] == '\\' || text[at] == '"')
            out += text[at];
        else
            return false;
    }
    return false;
}

// The data after "name=": the value's type and data, or why not. A text in
// hex is UTF-16LE in a version 5 file and 8-bit text (UTF-8, as its quoted
// texts) in a REGEDIT4 file.
std::string ValueData(std::string_view written, bool unicode, RegFileItem& item) {
    if (written == "-")
        return "removes a value: only keys and values are imported";
    if (!written.empty() && written[0] == '"') {
        std::size_t at = 0;
        std::string text;
        if (!Quoted(written, at, text) || !Trimmed(written.substr(at)).empty())
            return "holds a text that is not one quoted string";
        item.type = RegType::Sz;
        item.data.assign(text.begin(), text.end());
        return {};
    }
    if (written.substr(0, 6) == "dword:") {
        std::uint32_t number = 0;
        if (!HexNumber(written.substr(6), 8, number))
            return "holds a dword that is not 1 to 8 hex digits";
        item.type = RegType::Dword;
        item.data = {std::uint8_t(number), std::uint8_t(number >> 8), std::uint8_t(number >> 16),
                     std::uint8_t(number >> 24)};
        return {};
    }
    std::uint32_t type = static_cast<std::uint32_t>(RegType::Binary);
    std::size_t colon = written.find(':');
    if (written.substr(0, 4) == "hex(") {
        const std::size_t close = written.find("):");
        if (close == std::string_view::npos || !HexNumber(written.substr(4, close - 4), 8, type))
            return "holds a hex type that is not hex(N):";
        colon = close + 1;
    } else if (written.substr(0, 4) != "hex:") {
        return "holds a value of no known form";
    }
    item.type = static_cast<RegType>(type);
    for (std::string_view rest = written.substr(colon + 1); !Trimmed(rest).empty();) {
        const std::size_t comma = rest.find(',');
        std::uint32_t byte = 0;
        if (!HexNumber(Trimmed(rest.substr(0, comma)), 2, byte))
            return "holds hex data that is not bytes of two hex digits between commas";
        item.data.push_back(static_cast<std::uint8_t>(byte));
        if (comma == std::string_view::npos)
            break;
        rest = rest.substr(comma + 1);
        if (Trimmed(rest).empty())
            return "holds hex data that ends in a comma";
    }
    if (item.data.size() > kRegValueMaxBytes)
        return "holds more data than any value of the settings";
    if (HoldsText(item.type) && !unicode) {
        if (!IsUtf8({reinterpret_cast<const char*>(item.data.data()), item.data.size()}))
            return "holds a text that is not UTF-8";
    } else if (HoldsText(item.type)) {
        if (item.data.size() % 2)
            return "holds a text of an odd number of bytes";
        const std::string text = Utf16LeBytesToUtf8(item.data);
        item.data.assign(text.begin(), text.end());
    }
    return {};
}

// One key or value line; the reason it is refused, or nothing.
std::string Line(std::string_view line, bool unicode, std::string& key, RegFileItem& item) {
    if (line.front() == '[') {
        if (line.back() != ']' || line.size() < 3)
            return "opens a key name that does not close with ']'";
        if (line[1] == '-')
            return "removes a key: only keys and values are imported";
        key = item.key = std::string(line.substr(1, line.size() - 2));
        item.isKey = true;
        return {};
    }
    if (line.front() != '"' && line.front() != '@')
        return "is neither a key nor a value";
    if (key.empty())
        return "holds a value before any key";
    item.key = key;
    std::size_t at = 1;
    if (line.front() == '"' && !Quoted(line, at = 0, item.name))
        return "holds a value name that is not one quoted string";
    const std::string_view rest = Trimmed(line.substr(at));
    if (rest.empty() || rest.front() != '=')
        return "holds a value name without '='";
    return ValueData(Trimmed(rest.substr(1)), unicode, item);
}

} // namespace

RegFileRead ReadRegFile(const std::vector<std::uint8_t>& bytes) {
    RegFileRead read;
    const auto refuse = [&read](int line, std::string why) {
        read.items.clear();
        read.errorLine = line;
        read.error = std::move(why);
        return read;
    };
    if (bytes.size() > kRegFileMaxBytes)
        return refuse(1, "belongs to a file larger than any settings file");
    const bool unicode = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    std::string text;
    if (unicode) {
        if (bytes.size() % 2)
            return refuse(1, "belongs to a UTF-16 file of an odd number of bytes");
        text = Utf16LeBytesToUtf8(std::span(bytes).subspan(2));
    } else {
        const bool bom =
            bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
        text.assign(bytes.begin() + (bom ? 3 : 0), bytes.end());
    }
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string_view part = std::string_view(text).substr(at, end - at);
        if (!part.empty() && part.back() == '\r')
            part.remove_suffix(1);
        lines.push_back(Trimmed(part));
        at = end + 1;
    }
    std::string key;
    for (std::size_t next = 0; next < lines.size();) {
        const int first = static_cast<int>(next) + 1;
        std::string line(lines[next++]);
        // A line ending in a backslash goes on in the next one.
        while (!line.empty() && line.back() == '\\' && next < lines.size()) {
            line.pop_back();
            line += lines[next++];
        }
        if (!unicode && !IsUtf8(line))
            return refuse(first, "is not UTF-8 text");
        if (first == 1) {
            if (line != (unicode ? kRegFileHeader : kRegFileHeader4))
                return refuse(1, std::string("is not \"") +
                                     (unicode ? kRegFileHeader : kRegFileHeader4) + "\"");
            continue;
        }
        if (line.empty() || line.front() == ';')
            continue;
        RegFileItem item;
        item.line = first;
        if (const std::string why = Line(line, unicode, key, item); !why.empty())
            return refuse(first, why);
        read.items.push_back(std::move(item));
    }
    return read;
}

} // namespace corvane
