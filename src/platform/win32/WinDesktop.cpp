#include "platform/win32/WinDesktop.h"

#include <shlobj.h>

namespace tesvar::win32 {

namespace {
HWND hwndOf(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle handleOf(HWND window) { return reinterpret_cast<WindowHandle>(window); }

BOOL CALLBACK collect(HWND window, LPARAM into) {
    reinterpret_cast<std::vector<WindowHandle>*>(into)->push_back(handleOf(window));
    return TRUE;
}
}  // namespace

WindowHandle WinDesktop::mainWindow() { return handleOf(mainWindow_); }

WindowHandle WinDesktop::activeWindow() { return handleOf(GetActiveWindow()); }

WindowHandle WinDesktop::foregroundWindow() { return handleOf(GetForegroundWindow()); }

// The callback only collects: nothing the caller does with a window may run inside
// EnumWindows, where an exception could not pass the system's frames.
std::vector<WindowHandle> WinDesktop::topLevelWindows() {
    std::vector<WindowHandle> windows;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string WinDesktop::className(WindowHandle window) {
    char name[254] = {};
    const int length = GetClassNameA(hwndOf(window), name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

WindowHandle WinDesktop::findWindow(const std::string& className) {
    return handleOf(FindWindowA(className.c_str(), nullptr));
}

WindowHandle WinDesktop::nextWindow(WindowHandle window) { return handleOf(GetWindow(hwndOf(window), GW_HWNDNEXT)); }

bool WinDesktop::isWindowVisible(WindowHandle window) { return IsWindowVisible(hwndOf(window)) != FALSE; }

void WinDesktop::postMessage(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    PostMessageA(hwndOf(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

void WinDesktop::showWindow(WindowHandle window, int show) { ShowWindow(hwndOf(window), show); }

bool WinDesktop::setForegroundWindow(WindowHandle window) { return SetForegroundWindow(hwndOf(window)) != FALSE; }

unsigned WinDesktop::mapVirtualKey(unsigned virtualKey) { return MapVirtualKeyA(virtualKey, 0); }

void WinDesktop::keyEvent(unsigned virtualKey, unsigned scanCode, unsigned flags) {
    keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode), flags, 0);
}

void WinDesktop::systemParametersInfo(unsigned action, unsigned parameter, unsigned flags) {
    SystemParametersInfoA(action, parameter, nullptr, flags);
}

void WinDesktop::changeNotify(long event, unsigned flags) { SHChangeNotify(event, flags, nullptr, nullptr); }

void WinDesktop::broadcastSystemMessage(unsigned flags, unsigned message) {
    BroadcastSystemMessageA(flags, nullptr, message, 0, 0);
}

void WinDesktop::sleep(unsigned milliseconds) { Sleep(milliseconds); }

}  // namespace tesvar::win32
