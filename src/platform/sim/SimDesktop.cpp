#include "platform/sim/SimDesktop.h"

#include <cstdio>
#include <stdexcept>

#include "platform/Shell.h"
#include "platform/sim/SimPlatform.h"

namespace tesvar::sim {

namespace {
std::string hex(unsigned long value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, value);
    return text;
}
}  // namespace

SimDesktop::SimDesktop() {
    main = add("main", "TForm1");
    active = main;
    foreground = main;
}

WindowHandle SimDesktop::add(const std::string& name, const std::string& className, bool visible, int at) {
    Window w;
    w.handle = next_++;
    w.name = name;
    w.className = className;
    w.visible = visible;
    if (at < 0 || at > static_cast<int>(windows.size())) at = static_cast<int>(windows.size());
    windows.insert(windows.begin() + at, w);
    return w.handle;
}

SimDesktop::Window& SimDesktop::window(const std::string& name) {
    for (Window& w : windows)
        if (w.name == name) return w;
    throw std::logic_error("no window " + name);
}

SimDesktop::Window* SimDesktop::find(WindowHandle handle) {
    for (Window& w : windows)
        if (w.handle == handle) return &w;
    return nullptr;
}

std::string SimDesktop::nameOf(WindowHandle handle) {
    const Window* w = find(handle);
    return w ? w->name : std::to_string(handle);
}

std::vector<WindowHandle> SimDesktop::topLevelWindows() {
    std::vector<WindowHandle> handles;
    for (const Window& w : windows) handles.push_back(w.handle);
    return handles;
}

std::string SimDesktop::className(WindowHandle window) {
    const Window* w = find(window);
    return w ? w->className.substr(0, 253) : std::string();
}

WindowHandle SimDesktop::findWindow(const std::string& className) {
    for (const Window& w : windows)
        if (pathKey(w.className) == pathKey(className)) return w.handle;
    return 0;
}

WindowHandle SimDesktop::nextWindow(WindowHandle window) {
    for (size_t i = 0; i + 1 < windows.size(); ++i)
        if (windows[i].handle == window) return windows[i + 1].handle;
    return 0;
}

bool SimDesktop::isWindowVisible(WindowHandle window) {
    const Window* w = find(window);
    return w && w->visible;
}

void SimDesktop::postMessage(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    log.push_back("post " + nameOf(window) + " " + hex(message, 4) + " " + std::to_string(wParam) + " " +
                  std::to_string(lParam));
}

void SimDesktop::showWindow(WindowHandle window, int show) {
    log.push_back("show " + nameOf(window) + " " + std::to_string(show));
    if (Window* w = find(window)) {
        w->visible = true;
        if (show == sw::kShowNormal) w->minimized = false;
        if (show == sw::kMinimize) w->minimized = true;
    }
}

bool SimDesktop::setForegroundWindow(WindowHandle window) {
    Window* w = find(window);
    bool ok = w != nullptr;
    if (ok && w->refusals != 0) {
        if (w->refusals > 0) --w->refusals;
        ok = false;
    }
    if (ok && !w->falseSuccess) foreground = window;
    log.push_back("foreground " + nameOf(window) + (ok ? " ok" : " refused"));
    return ok;
}

unsigned SimDesktop::mapVirtualKey(unsigned virtualKey) { return virtualKey == vk::kF5 ? 63 : 0; }

void SimDesktop::keyEvent(unsigned virtualKey, unsigned scanCode, unsigned flags) {
    log.push_back("key " + hex(virtualKey, 2) + " " + std::to_string(scanCode) + " " + std::to_string(flags) + " -> " +
                  nameOf(foreground));
}

void SimDesktop::systemParametersInfo(unsigned action, unsigned parameter, unsigned flags) {
    log.push_back("spi " + std::to_string(action) + " " + std::to_string(parameter) + " " + std::to_string(flags));
}

void SimDesktop::changeNotify(long event, unsigned flags) {
    log.push_back("notify " + hex(static_cast<unsigned long>(event), 8) + " " + hex(flags, 4));
}

void SimDesktop::broadcastSystemMessage(unsigned flags, unsigned message) {
    log.push_back("broadcast " + std::to_string(flags) + " " + hex(message, 4));
}

void SimDesktop::sleep(unsigned milliseconds) {
    clock += milliseconds;
    log.push_back("sleep " + std::to_string(milliseconds));
}

}  // namespace tesvar::sim
