#pragma once
// The registry calls on the real registry.
#include "core/registry_api.h"

namespace corvane::win32 {

class Win32Registry : public RegistryApi {
public:
    RegKey CurrentUser() const override;
    std::optional<RegKey> CreateKey(RegKey parent, const std::string& path) override;
    OpenedKey OpenKey(RegKey parent, const std::string& path) override;
    void CloseKey(RegKey key) override;
    RegValue QueryValue(RegKey key, const std::string& name) override;
    bool SetValue(RegKey key, const std::string& name, RegType type,
                  const std::vector<std::uint8_t>& data) override;
    bool DeleteKey(RegKey parent, const std::string& path) override;
};

} // namespace corvane::win32
