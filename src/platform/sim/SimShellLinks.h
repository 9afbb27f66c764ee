#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ShellLinks.h"

namespace tesvar::sim {

// Shortcuts from a table keyed by the shortcut's path (compared as Windows compares paths).
// Every call on a shortcut object is written to `log`: "create", "load <path>", "resolve <owner>
// <flags>", "getPath <flags>", "release".
class SimShellLinks : public ShellLinks {
public:
    struct Link {
        std::string target;
        bool loads = true;
        bool resolves = true;
        bool hasPath = true;
    };
    std::unique_ptr<ShellLink> create() override;
    void put(const std::string& shortcut, const std::string& target) { links[key(shortcut)] = Link{target}; }
    Link& link(const std::string& shortcut) { return links[key(shortcut)]; }

    // When not empty, creating the object fails with this text.
    std::string failCreate;
    std::map<std::string, Link> links;
    std::vector<std::string> log;

private:
    static std::string key(const std::string& path);
};

}  // namespace tesvar::sim
