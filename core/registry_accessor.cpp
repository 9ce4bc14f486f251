#include "core/registry_accessor.h"

#include <algorithm>

namespace corvane {
namespace {

std::string Message(const char* pattern, const std::string& name) {
    std::string text = pattern;
    text.replace(text.find("%s"), 2, name);
    return text;
}

[[noreturn]] void FailGet(const std::string& name) {
    throw ERegistryException(ReadFailureMessage(name));
}
[[noreturn]] void FailType(const std::string& name) {
    throw ERegistryException(Message("Invalid data type for '%s'", name));
}
[[noreturn]] void FailSet(const std::string& name) {
    throw ERegistryException(Message("Failed to set data for '%s'", name));
}

std::optional<RegKey> Opened(const OpenedKey& opened) {
    if (opened.status != OpenedKey::Status::Ok)
        return std::nullopt;
    return opened.key;
}

} // namespace

std::string ReadFailureMessage(const std::string& name) {
    return Message("Failed to get data for '%s'", name);
}

RegistryAccessor::RegistryAccessor(RegistryApi& api) : api_(api) {}

RegistryAccessor::~RegistryAccessor() {
    if (current_ != RegKey::None)
        api_.CloseKey(current_);
}

RegKey RegistryAccessor::BaseFor(const std::string& path, std::string& relative) const {
    if (!path.empty() && path.front() == '\\') {
        relative = path.substr(1);
        return api_.CurrentUser();
    }
    relative = path;
    return current_ != RegKey::None ? current_ : api_.CurrentUser();
}

bool RegistryAccessor::OpenKey(const std::string& path, bool create) {
    std::string relative;
    const RegKey base = BaseFor(path, relative);
    const std::optional<RegKey> opened =
        create ? api_.CreateKey(base, relative) : Opened(api_.OpenKey(base, relative));
    if (current_ != RegKey::None)
        api_.CloseKey(current_);
    current_ = opened.value_or(RegKey::None);
    return opened.has_value();
}

bool RegistryAccessor::KeyExists(const std::string& path) {
    std::string relative;
    const RegKey base = BaseFor(path, relative);
    const OpenedKey opened = api_.OpenKey(base, relative);
    if (opened.status == OpenedKey::Status::Ok)
        api_.CloseKey(opened.key);
    return opened.status != OpenedKey::Status::NotFound;
}

bool RegistryAccessor::DeleteKey(const std::string& path) {
    std::string relative;
    const RegKey base = BaseFor(path, relative);
    return api_.DeleteKey(base, relative);
}

RegValue RegistryAccessor::Query(const std::string& name) {
    if (current_ == RegKey::None)
        return RegValue{RegValue::Status::Failed, RegType::None, {}};
    return api_.QueryValue(current_, name);
}

bool RegistryAccessor::ValueExists(const std::string& name) {
    return Query(name).status != RegValue::Status::NotFound;
}

std::string RegistryAccessor::ReadString(const std::string& name) {
    const RegValue value = Query(name);
    if (value.status == RegValue::Status::NotFound)
        return {};
    if (value.status != RegValue::Status::Ok)
        FailGet(name);
    if (value.data.empty())
        return {};
    if (value.type != RegType::Sz && value.type != RegType::ExpandSz)
        FailType(name);
    // With or without a terminating zero, the text ends at the first zero byte.
    const auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
    return std::string(value.data.begin(), end);
}

std::int32_t RegistryAccessor::ReadInteger(const std::string& name) {
    const RegValue value = Query(name);
    // A 4-byte buffer: longer data makes the query itself fail.
    if (value.status != RegValue::Status::Ok || value.data.size() > 4)
        FailGet(name);
    if (value.type != RegType::Dword || value.data.size() != 4)
        FailType(name);
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i)
        number |= static_cast<std::uint32_t>(value.data[i]) << (8 * i);
    return static_cast<std::int32_t>(number);
}

bool RegistryAccessor::ReadBool(const std::string& name) {
    return ReadInteger(name) != 0;
}

void RegistryAccessor::WriteString(const std::string& name, const std::string& text) {
    // The characters alone: no terminating zero, so "" is written with size 0.
    const std::vector<std::uint8_t> data(text.begin(), text.end());
    if (current_ == RegKey::None || !api_.SetValue(current_, name, RegType::Sz, data))
        FailSet(name);
}

void RegistryAccessor::WriteInteger(const std::string& name, std::int32_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    const std::vector<std::uint8_t> data = {
        static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
        static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
    if (current_ == RegKey::None || !api_.SetValue(current_, name, RegType::Dword, data))
        FailSet(name);
}

void RegistryAccessor::WriteBool(const std::string& name, bool flag) {
    WriteInteger(name, flag ? 1 : 0);
}

} // namespace corvane
