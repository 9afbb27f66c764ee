#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tesvar {

// A window of any program; 0 stands for none.
using WindowHandle = std::uintptr_t;

// Window messages and the other values the program sends, as Windows numbers them.
namespace wm {
constexpr unsigned kSysColorChange = 0x0015;
constexpr unsigned kCommand = 0x0111;
constexpr unsigned kSysCommand = 0x0112;
constexpr unsigned kScMinimize = 0xF020;
}  // namespace wm
namespace vk {
constexpr unsigned kF5 = 0x74;
constexpr unsigned kKeyEventKeyUp = 0x0002;
}  // namespace vk
namespace spi {
constexpr unsigned kSetDeskWallpaper = 20;
constexpr unsigned kSendWinIniChange = 2;
}  // namespace spi
namespace shcne {
constexpr long kAssocChanged = 0x08000000;
constexpr long kAllEvents = 0x7FFFFFFF;
constexpr unsigned kIdList = 0x0000;
constexpr unsigned kFlush = 0x1000;
}  // namespace shcne
namespace bsf {
constexpr unsigned kNoHang = 0x0008;
}

// The desktop the program shares with other programs: their windows, the keyboard, the shell's
// change notices, and plain waits on the user-interface thread.
class Desktop {
public:
    virtual ~Desktop() = default;
    // The program's own main window (0 before it exists).
    virtual WindowHandle mainWindow() = 0;
    // GetActiveWindow: the active window of the program's own thread.
    virtual WindowHandle activeWindow() = 0;
    // GetForegroundWindow: the window the user is working with, in any program.
    virtual WindowHandle foregroundWindow() = 0;
    // EnumWindows: every top-level window, from the top of the z-order down.
    virtual std::vector<WindowHandle> topLevelWindows() = 0;
    // GetClassNameA with a buffer of 254 characters.
    virtual std::string className(WindowHandle window) = 0;
    // FindWindowA by class, no title.
    virtual WindowHandle findWindow(const std::string& className) = 0;
    // GetWindow with GW_HWNDNEXT: the window below in z-order.
    virtual WindowHandle nextWindow(WindowHandle window) = 0;
    virtual bool isWindowVisible(WindowHandle window) = 0;
    virtual void postMessage(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual void showWindow(WindowHandle window, int show) = 0;
    // SetForegroundWindow; false when Windows refused.
    virtual bool setForegroundWindow(WindowHandle window) = 0;
    // MapVirtualKeyA with map type 0: the scan code of a virtual key.
    virtual unsigned mapVirtualKey(unsigned virtualKey) = 0;
    // keybd_event: a simulated key press or release, delivered to whatever window has the focus.
    virtual void keyEvent(unsigned virtualKey, unsigned scanCode, unsigned flags) = 0;
    // SystemParametersInfoA with a null pointer.
    virtual void systemParametersInfo(unsigned action, unsigned parameter, unsigned flags) = 0;
    // SHChangeNotify with both items null.
    virtual void changeNotify(long event, unsigned flags) = 0;
    // BroadcastSystemMessageA to every recipient, both parameters 0.
    virtual void broadcastSystemMessage(unsigned flags, unsigned message) = 0;
    // Sleep: blocks the calling thread.
    virtual void sleep(unsigned milliseconds) = 0;
};

}  // namespace tesvar
