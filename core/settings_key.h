#pragma once
// One registry key, opened from an explicit parent and owned: closed when the
// object goes. Reads take their fallback for a value that is missing or
// damaged; writes say whether they landed.
#include "core/registry_api.h"

#include <cstdint>
#include <optional>
#include <string>

namespace corvane {

// "Failed to get data for '<name>'": what a read of name that failed reports.
std::string ReadFailureMessage(const std::string& name);
// "Failed to set data for '<name>'": what a write of name that failed reports.
std::string WriteFailureMessage(const std::string& name);

class SettingsKey {
public:
    // path below parent, opened for reading; never created.
    static SettingsKey OpenForReading(RegistryApi& api, RegKey parent, const std::string& path);
    // path below parent, opened or created for writing.
    static SettingsKey OpenForWriting(RegistryApi& api, RegKey parent, const std::string& path);
    // Whether path below parent exists, whether it can be opened or not.
    static bool Exists(RegistryApi& api, RegKey parent, const std::string& path);

    ~SettingsKey();
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;

    bool IsOpen() const { return key_ != RegKey::None; }

    // Whether a value of that name is there, of any type. A key that is not
    // open cannot tell it is not: true.
    bool HasValue(const std::string& name) const;
    // A text up to its first zero byte (empty data of any type is ""), or
    // fallback when the value is missing, cannot be read or holds no text.
    std::string Text(const std::string& name, const std::string& fallback) const;
    // A DWORD of four bytes, or nothing when the value is missing or damaged.
    std::optional<std::int32_t> Number(const std::string& name) const;
    std::int32_t Number(const std::string& name, std::int32_t fallback) const;
    // A number, any but 0 true.
    bool Flag(const std::string& name, bool fallback) const;

    // Text as REG_SZ without a terminating zero, numbers and flags (1 or 0)
    // as DWORD. True when written. Once a write fails the key takes no more,
    // so writes made one after another stop at the first failure.
    bool SetText(const std::string& name, const std::string& text);
    bool SetNumber(const std::string& name, std::int32_t number);
    bool SetFlag(const std::string& name, bool flag);
    // The first failed write's message, or nothing.
    const std::optional<std::string>& WriteFailure() const { return failure_; }

private:
    SettingsKey(RegistryApi& api, RegKey key) : api_(api), key_(key) {}
    RegValue Query(const std::string& name) const;
    bool Set(const std::string& name, RegType type, const std::vector<std::uint8_t>& data);

    RegistryApi& api_;
    const RegKey key_;
    std::optional<std::string> failure_;
};

} // namespace corvane
