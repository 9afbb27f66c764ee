#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace tesvar::sim {

// An in-memory registry of the current user. Key paths and value names compare without
// ASCII case, as Windows compares them; every call is written to `log`.
class SimRegistry : public Registry {
public:
    static constexpr std::uint32_t kRegSz = 1;
    static constexpr std::uint32_t kRegDword = 4;

    RegistryKey openCurrentUserKey(const std::string& path) override;
    std::optional<std::uint32_t> readDword(RegistryKey key, const std::string& name) override;
    void writeDword(RegistryKey key, const std::string& name, std::uint32_t value) override;
    void close(RegistryKey key) override;

    void putKey(const std::string& path);
    // Adds the key when needed.
    void putValue(const std::string& path, const std::string& name, std::uint32_t value,
                  std::uint32_t type = kRegDword);
    // A DWORD value as stored, or nothing.
    std::optional<std::uint32_t> dword(const std::string& path, const std::string& name) const;
    int openKeys() const { return static_cast<int>(open_.size()); }

    // The next this many opens fail although the key exists.
    int failOpens = 0;
    // Value names whose writing fails.
    std::set<std::string> failWrites;
    // "open <path>: ok|failed", "read <name>", "write <name>=<value>", "write <name> failed", "close".
    std::vector<std::string> log;

private:
    struct Value {
        std::uint32_t type;
        std::uint32_t data;
    };
    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<RegistryKey, std::string> open_;
    RegistryKey next_ = 0x100;
};

}  // namespace tesvar::sim
