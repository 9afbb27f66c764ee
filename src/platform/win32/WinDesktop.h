#pragma once
#include <windows.h>

#include "platform/Desktop.h"

namespace tesvar::win32 {

class WinDesktop : public Desktop {
public:
    WindowHandle mainWindow() override;
    WindowHandle activeWindow() override;
    WindowHandle foregroundWindow() override;
    std::vector<WindowHandle> topLevelWindows() override;
    std::string className(WindowHandle window) override;
    WindowHandle findWindow(const std::string& className) override;
    WindowHandle nextWindow(WindowHandle window) override;
    bool isWindowVisible(WindowHandle window) override;
    void postMessage(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void showWindow(WindowHandle window, int show) override;
    bool setForegroundWindow(WindowHandle window) override;
    unsigned mapVirtualKey(unsigned virtualKey) override;
    void keyEvent(unsigned virtualKey, unsigned scanCode, unsigned flags) override;
    void systemParametersInfo(unsigned action, unsigned parameter, unsigned flags) override;
    void changeNotify(long event, unsigned flags) override;
    void broadcastSystemMessage(unsigned flags, unsigned message) override;
    void sleep(unsigned milliseconds) override;

    // The main window exists only after the platform; it is handed in then.
    void setMainWindow(HWND window) { mainWindow_ = window; }

private:
    HWND mainWindow_ = nullptr;
};

}  // namespace tesvar::win32
