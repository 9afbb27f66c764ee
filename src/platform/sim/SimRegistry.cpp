#include "platform/sim/SimRegistry.h"

#include "platform/Errors.h"
#include "platform/sim/SimPlatform.h"

namespace tesvar::sim {

RegistryKey SimRegistry::openCurrentUserKey(const std::string& path) {
    const std::string key = pathKey(path);
    if (keys_.count(key) == 0 || failOpens > 0) {
        if (failOpens > 0) --failOpens;
        log.push_back("open " + path + ": failed");
        return 0;
    }
    log.push_back("open " + path + ": ok");
    const RegistryKey handle = next_++;
    open_[handle] = key;
    return handle;
}

std::optional<std::uint32_t> SimRegistry::readDword(RegistryKey key, const std::string& name) {
    log.push_back("read " + name);
    auto k = open_.find(key);
    if (k == open_.end()) return std::nullopt;
    const auto& values = keys_[k->second];
    auto v = values.find(pathKey(name));
    if (v == values.end() || v->second.type != kRegDword) return std::nullopt;
    return v->second.data;
}

void SimRegistry::writeDword(RegistryKey key, const std::string& name, std::uint32_t value) {
    auto k = open_.find(key);
    if (k == open_.end() || failWrites.count(name) != 0) {
        log.push_back("write " + name + " failed");
        throw RegistryError("Failed to set data for '" + name + "'");
    }
    log.push_back("write " + name + "=" + std::to_string(value));
    keys_[k->second][pathKey(name)] = {kRegDword, value};
}

void SimRegistry::close(RegistryKey key) {
    log.push_back("close");
    open_.erase(key);
}

void SimRegistry::putKey(const std::string& path) { keys_[pathKey(path)]; }

void SimRegistry::putValue(const std::string& path, const std::string& name, std::uint32_t value, std::uint32_t type) {
    keys_[pathKey(path)][pathKey(name)] = {type, value};
}

std::optional<std::uint32_t> SimRegistry::dword(const std::string& path, const std::string& name) const {
    auto k = keys_.find(pathKey(path));
    if (k == keys_.end()) return std::nullopt;
    auto v = k->second.find(pathKey(name));
    if (v == k->second.end() || v->second.type != kRegDword) return std::nullopt;
    return v->second.data;
}

}  // namespace tesvar::sim
