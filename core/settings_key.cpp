#include "core/settings_key.h"

#include <algorithm>

namespace corvane {
namespace {

std::string Message(const char* pattern, const std::string& name) {
    std::string text = pattern;
    text.replace(text.find("%s"), 2, name);
    return text;
}

} // namespace

std::string ReadFailureMessage(const std::string& name) {
    return Message("Failed to get data for '%s'", name);
}

std::string WriteFailureMessage(const std::string& name) {
    return Message("Failed to set data for '%s'", name);
}

SettingsKey SettingsKey::OpenForReading(RegistryApi& api, RegKey parent, const std::string& path) {
    const OpenedKey opened = api.OpenKey(parent, path);
    return {api, opened.status == OpenedKey::Status::Ok ? opened.key : RegKey::None};
}

SettingsKey SettingsKey::OpenForWriting(RegistryApi& api, RegKey parent, const std::string& path) {
    return {api, api.CreateKey(parent, path).value_or(RegKey::None)};
}

bool SettingsKey::Exists(RegistryApi& api, RegKey parent, const std::string& path) {
    const OpenedKey opened = api.OpenKey(parent, path);
    if (opened.status == OpenedKey::Status::Ok)
        api.CloseKey(opened.key);
    return opened.status != OpenedKey::Status::NotFound;
}

SettingsKey::~SettingsKey() {
    if (IsOpen())
        api_.CloseKey(key_);
}

RegValue SettingsKey::Query(const std::string& name) const {
    if (!IsOpen())
        return RegValue{RegValue::Status::Failed, RegType::None, {}};
    return api_.QueryValue(key_, name);
}

bool SettingsKey::HasValue(const std::string& name) const {
    return Query(name).status != RegValue::Status::NotFound;
}

std::string SettingsKey::Text(const std::string& name, const std::string& fallback) const {
    const RegValue value = Query(name);
    if (value.status != RegValue::Status::Ok)
        return fallback;
    if (value.data.empty())
        return {};
    if (value.type != RegType::Sz && value.type != RegType::ExpandSz)
        return fallback;
    // With or without a terminating zero, the text ends at the first zero byte.
    const auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
    return std::string(value.data.begin(), end);
}

std::optional<std::int32_t> SettingsKey::Number(const std::string& name) const {
    const RegValue value = Query(name);
    if (value.status != RegValue::Status::Ok || value.type != RegType::Dword ||
        value.data.size() != 4)
        return std::nullopt;
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i)
        number |= static_cast<std::uint32_t>(value.data[i]) << (8 * i);
    return static_cast<std::int32_t>(number);
}

std::int32_t SettingsKey::Number(const std::string& name, std::int32_t fallback) const {
    return Number(name).value_or(fallback);
}

bool SettingsKey::Flag(const std::string& name, bool fallback) const {
    const std::optional<std::int32_t> number = Number(name);
    return number ? *number != 0 : fallback;
}

bool SettingsKey::Set(const std::string& name, RegType type,
                      const std::vector<std::uint8_t>& data) {
    if (failure_)
        return false;
    if (!IsOpen() || !api_.SetValue(key_, name, type, data))
        failure_ = WriteFailureMessage(name);
    return !failure_;
}

bool SettingsKey::SetText(const std::string& name, const std::string& text) {
    return Set(name, RegType::Sz, {text.begin(), text.end()});
}

bool SettingsKey::SetNumber(const std::string& name, std::int32_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    return Set(name, RegType::Dword,
               {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)});
}

bool SettingsKey::SetFlag(const std::string& name, bool flag) {
    return SetNumber(name, flag ? 1 : 0);
}

} // namespace corvane
