#pragma once
#include <functional>
#include <map>
#include <vector>

#include "platform/Shell.h"

namespace tesvar::sim {

// Records every shell request; special folders come from a table the test fills.
class SimShell : public Shell {
public:
    void execute(const ShellExecuteRequest& request) override {
        executed.push_back(request);
        if (whileExecuting) whileExecuting(request);
    }
    std::string specialFolderPath(int csidl) override {
        auto it = specialFolders.find(csidl);
        return it == specialFolders.end() ? std::string() : it->second;
    }

    std::vector<ShellExecuteRequest> executed;
    std::map<int, std::string> specialFolders;
    // Called at each request, as the launched program would see the system at that moment.
    std::function<void(const ShellExecuteRequest&)> whileExecuting;
};

}  // namespace tesvar::sim
