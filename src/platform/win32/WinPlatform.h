#pragma once
// The platform services on the real system: ANSI (code page) Win32 calls, paths and texts
// passed through as the program holds them. The file reads and writes are in WinFileIO.cpp,
// the common dialogs in WinCommonDialogs.cpp, the shell in WinShell.h/.cpp.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/win32/WinClipboard.h"
#include "platform/win32/WinDesktop.h"
#include "platform/win32/WinRegistry.h"
#include "platform/win32/WinShell.h"
#include "platform/win32/WinShellLinks.h"
#include "platform/win32/WinSkin.h"

namespace tesvar::win32 {

class WinFileSystem : public FileSystem {
public:
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    bool directoryExists(const std::string& path) override;
    std::string readFile(const std::string& path) override;
    void writeFile(const std::string& path, const std::string& bytes) override;
    std::vector<std::string> listFiles(const std::string& pattern) override;
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
    // WinCommonDialogs.cpp
    bool openFile(FileDialogRequest& request) override;
    bool saveFile(FileDialogRequest& request) override;
    bool chooseFont(FontChoice& font) override;
    std::string browseForFolder(const std::string& title, const std::string& startFolder) override;

    void setApplicationWindow(HWND window) { applicationWindow_ = window; }
    void setMainWindow(HWND window) { mainWindow_ = window; }
    // The window a box or dialog of this owner is shown over (null: none, or that window is gone).
    HWND ownerFor(BoxOwner owner) const;

private:
    HWND applicationWindow_ = nullptr;
    HWND mainWindow_ = nullptr;
};

class WinSystemInfo : public SystemInfo {
public:
    ScreenSize screenSize() override;
    WindowsVersion windowsVersion() override;
    bool isLeadByte(unsigned char byte) override;
    int compareText(const std::string& a, const std::string& b) override;
    std::string sortKey(const std::string& text) override;
};

// Performance-counter ticks spent so far inside the program's modal boxes and dialogs, waiting
// for the user; the automation port leaves them out of an action's duration when it times one.
long long modalTicks();
// Counts its lifetime into modalTicks(): put one around every modal box or dialog.
class ModalSpan {
public:
    ModalSpan();
    ~ModalSpan();
    ModalSpan(const ModalSpan&) = delete;
    ModalSpan& operator=(const ModalSpan&) = delete;

private:
    LARGE_INTEGER start_;
};

// All of them together, handed out as one Platform.
struct WinPlatform {
    WinFileSystem files;
    WinSound sound;
    WinDialogs dialogs;
    WinSystemInfo system;
    WinShell shell;
    WinRegistry registry;
    WinDesktop desktop;
    WinShellLinks links;
    WinSkin skin{files};
    WinClipboard clipboard;
    Platform platform{files, sound, dialogs, system, shell, registry, desktop, links, skin, clipboard};
};

}  // namespace tesvar::win32
