#include "platform/win32/WinShell.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace tesvar::win32 {

HWND WinShell::ownerFor(ShellOwner owner) const {
    HWND window = nullptr;
    switch (owner) {
        case ShellOwner::None:
            return nullptr;
        case ShellOwner::Application:
        case ShellOwner::MainWindow:
            window = mainWindow_;
            break;
        case ShellOwner::AboutBox:
            window = aboutBox_;
            break;
    }
    return window && IsWindow(window) ? window : nullptr;
}

void WinShell::execute(const ShellExecuteRequest& r) {
    ShellExecuteA(ownerFor(r.owner), r.verb.empty() ? nullptr : r.verb.c_str(), r.file.c_str(),
                  r.parameters.empty() ? nullptr : r.parameters.c_str(),
                  r.directory.empty() ? nullptr : r.directory.c_str(), r.show);
}

// The identifier list the shell hands out is freed through the task allocator, whether or
// not it has a file-system path.
std::string WinShell::specialFolderPath(int csidl) {
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(ownerFor(ShellOwner::Application), csidl, &pidl)) || !pidl)
        return std::string();
    char path[MAX_PATH + 1] = {};
    const BOOL ok = SHGetPathFromIDListA(pidl, path);
    CoTaskMemFree(pidl);
    return ok ? std::string(path) : std::string();
}

}  // namespace tesvar::win32
