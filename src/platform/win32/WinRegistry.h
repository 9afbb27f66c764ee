#pragma once
#include <windows.h>

#include "platform/Registry.h"

namespace tesvar::win32 {

class WinRegistry : public Registry {
public:
    RegistryKey openCurrentUserKey(const std::string& path) override;
    std::optional<std::uint32_t> readDword(RegistryKey key, const std::string& name) override;
    void writeDword(RegistryKey key, const std::string& name, std::uint32_t value) override;
    void close(RegistryKey key) override;
};

}  // namespace tesvar::win32
