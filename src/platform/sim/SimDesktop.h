#pragma once
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace tesvar::sim {

// Fake top-level windows in z-order and a fake clock. Every action (not the queries) is written
// to `log` in order, naming windows by their names:
//   "post W 0x0111 28931 0", "show W 1", "foreground W ok|refused", "key 0x74 63 0 -> W"
//   (W: the foreground window that receives the key), "sleep 50", "spi 20 0 2",
//   "notify 0x08000000 0x0000", "broadcast 8 0x0015". A null window is named "0".
class SimDesktop : public Desktop {
public:
    struct Window {
        WindowHandle handle = 0;
        std::string name;
        std::string className;
        bool visible = true;
        bool minimized = false;
        // SetForegroundWindow refuses this many times (-1: always).
        int refusals = 0;
        // SetForegroundWindow answers success but another window stays in front.
        bool falseSuccess = false;
    };

    // Starts with the program's main window "main" (class TForm1), active and in front.
    SimDesktop();

    WindowHandle mainWindow() override { return main; }
    WindowHandle activeWindow() override { return active; }
    WindowHandle foregroundWindow() override { return foreground; }
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

    // A new window at z-order position `at` (0 = top; -1 = bottom).
    WindowHandle add(const std::string& name, const std::string& className, bool visible = true, int at = -1);
    Window& window(const std::string& name);
    Window* find(WindowHandle handle);
    std::string nameOf(WindowHandle handle);

    std::vector<Window> windows;  // top of the z-order first
    WindowHandle main = 0;
    WindowHandle active = 0;
    WindowHandle foreground = 0;
    unsigned long clock = 0;  // milliseconds slept
    std::vector<std::string> log;

private:
    WindowHandle next_ = 1;
};

}  // namespace tesvar::sim
