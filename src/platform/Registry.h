#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace tesvar {

// An open registry key; 0 stands for none.
using RegistryKey = std::uintptr_t;

// The current user's part of the registry, as far as the program uses it: keys that already
// exist, and DWORD values in them.
class Registry {
public:
    virtual ~Registry() = default;
    // Opens an existing key below HKEY_CURRENT_USER with full access; a missing key is never
    // created. 0 when the key cannot be opened.
    virtual RegistryKey openCurrentUserKey(const std::string& path) = 0;
    // A REG_DWORD value; nothing when the value is missing or holds another type.
    virtual std::optional<std::uint32_t> readDword(RegistryKey key, const std::string& name) = 0;
    // Writes a REG_DWORD value. Raises RegistryError "Failed to set data for '<name>'".
    virtual void writeDword(RegistryKey key, const std::string& name, std::uint32_t value) = 0;
    virtual void close(RegistryKey key) = 0;
};

}  // namespace tesvar
