#include "platform/sim/SimShellLinks.h"

#include "platform/Errors.h"
#include "platform/sim/SimPlatform.h"

namespace tesvar::sim {

namespace {

class SimShellLink : public ShellLink {
public:
    explicit SimShellLink(SimShellLinks& owner) : owner_(owner) {}
    ~SimShellLink() override { owner_.log.push_back("release"); }

    bool load(const std::string& path) override {
        owner_.log.push_back("load " + path);
        auto it = owner_.links.find(pathKey(path));
        if (it == owner_.links.end() || !it->second.loads) return false;
        loaded_ = &it->second;
        return true;
    }
    bool resolve(WindowHandle owner, unsigned flags) override {
        owner_.log.push_back("resolve " + std::to_string(owner) + " " + std::to_string(flags));
        return loaded_ && loaded_->resolves;
    }
    bool getPath(std::string& path, unsigned flags) override {
        owner_.log.push_back("getPath " + std::to_string(flags));
        if (!loaded_ || !loaded_->hasPath) return false;
        path = loaded_->target.substr(0, 260);
        return true;
    }

private:
    SimShellLinks& owner_;
    const SimShellLinks::Link* loaded_ = nullptr;
};

}  // namespace

std::string SimShellLinks::key(const std::string& path) { return pathKey(path); }

std::unique_ptr<ShellLink> SimShellLinks::create() {
    if (!failCreate.empty()) throw ComError(failCreate);
    log.push_back("create");
    return std::make_unique<SimShellLink>(*this);
}

}  // namespace tesvar::sim
