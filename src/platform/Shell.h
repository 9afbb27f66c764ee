#pragma once
#include <string>

namespace tesvar {

// Which of the program's windows owns a shell request.
enum class ShellOwner { None, Application, MainWindow, AboutBox };

namespace sw {
constexpr int kShowNormal = 1;
constexpr int kShowMaximized = 3;
constexpr int kMinimize = 6;
}  // namespace sw

struct ShellExecuteRequest {
    ShellOwner owner = ShellOwner::MainWindow;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int show = sw::kShowNormal;
};

// Requests to the Windows shell.
class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteA; the program never looks at the result.
    virtual void execute(const ShellExecuteRequest& request) = 0;
    // The file-system path of a shell folder (CSIDL), empty when the shell has none.
    virtual std::string specialFolderPath(int csidl) = 0;
};

}  // namespace tesvar
