#pragma once
// The platform services on the real system: ANSI (code page) Win32 calls, paths and texts
// passed through as the program holds them.

#include <windows.h>

#include <string>

#include "platform/Platform.h"

namespace tesvar::win32 {

class WinFileSystem : public FileSystem {
public:
    std::string currentDirectory() override;
    bool fileExists(const std::string& path) override;
    bool directoryExists(const std::string& path) override;
};

class WinSound : public Sound {
public:
    void playAsync(const std::string& path) override;
};

// The owner windows are created after the platform (the program entry makes them), so they
// are handed in later; until then a box has no owner.
class WinDialogs : public Dialogs {
public:
    int messageBox(const MessageBoxRequest& request) override;

    void setApplicationWindow(HWND window) { applicationWindow_ = window; }
    void setMainWindow(HWND window) { mainWindow_ = window; }
    HWND ownerFor(BoxOwner owner) const;

private:
    HWND applicationWindow_ = nullptr;
    HWND mainWindow_ = nullptr;
};

class WinSystemInfo : public SystemInfo {
public:
    ScreenSize screenSize() override;
    bool isLeadByte(unsigned char byte) override;
};

// All of them together, handed out as one Platform.
struct WinPlatform {
    WinFileSystem files;
    WinSound sound;
    WinDialogs dialogs;
    WinSystemInfo system;
    Platform platform{files, sound, dialogs, system};
};

}  // namespace tesvar::win32
