#pragma once
#include <windows.h>

#include "platform/Shell.h"

namespace tesvar::win32 {

class WinShell : public Shell {
public:
    void execute(const ShellExecuteRequest& request) override;
    std::string specialFolderPath(int csidl) override;

    // The program's windows exist only after the platform; they are handed in then.
    void setMainWindow(HWND window) { mainWindow_ = window; }
    void setAboutBox(HWND window) { aboutBox_ = window; }

private:
    HWND ownerFor(ShellOwner owner) const;
    HWND mainWindow_ = nullptr;
    HWND aboutBox_ = nullptr;
};

}  // namespace tesvar::win32
