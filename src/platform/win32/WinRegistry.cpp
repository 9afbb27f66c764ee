#include "platform/win32/WinRegistry.h"

#include "platform/Errors.h"

namespace tesvar::win32 {

namespace {
HKEY handleOf(RegistryKey key) { return reinterpret_cast<HKEY>(key); }
}  // namespace

// RegOpenKeyExA, never RegCreateKeyExA: a key that is not there stays absent.
RegistryKey WinRegistry::openCurrentUserKey(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return 0;
    return reinterpret_cast<RegistryKey>(key);
}

std::optional<std::uint32_t> WinRegistry::readDword(RegistryKey key, const std::string& name) {
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    const LONG result =
        RegQueryValueExA(handleOf(key), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data) return std::nullopt;
    return data;
}

void WinRegistry::writeDword(RegistryKey key, const std::string& name, std::uint32_t value) {
    const DWORD data = value;
    if (RegSetValueExA(handleOf(key), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) !=
        ERROR_SUCCESS)
        throw RegistryError("Failed to set data for '" + name + "'");
}

void WinRegistry::close(RegistryKey key) {
    if (key) RegCloseKey(handleOf(key));
}

}  // namespace tesvar::win32
