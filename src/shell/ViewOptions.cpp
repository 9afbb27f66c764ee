// Explorer's view options (file name extensions, hidden files): read at start, switched from
// both menus, and made visible at once in the open Explorer windows and on the desktop.

#include <cstdint>

#include "app/Form1.h"

namespace tesvar {

namespace {

const char kAdvancedKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const char kExplorerClass[] = "CabinetWClass";
const char kDesktopClass[] = "Progman";
// Explorer's own "Refresh" command, as its View menu sends it.
constexpr std::uintptr_t kRefreshCommand = 28931;
constexpr int kForegroundAttempts = 21;
constexpr unsigned kForegroundWait = 50;

bool sameTextIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// Explorer's "Advanced" key, held open for the length of one operation and closed however the
// operation ends (a failed write raises).
class AdvancedKey {
public:
    explicit AdvancedKey(Registry& registry) : registry_(registry) {}
    ~AdvancedKey() {
        if (key_) registry_.close(key_);
    }
    AdvancedKey(const AdvancedKey&) = delete;
    AdvancedKey& operator=(const AdvancedKey&) = delete;

    // The key is opened without creating it.
    bool open() {
        if (!key_) key_ = registry_.openCurrentUserKey(kAdvancedKey);
        return key_ != 0;
    }
    bool openWithRetry() { return open() || open(); }
    std::optional<std::uint32_t> read(const char* name) { return registry_.readDword(key_, name); }
    void write(const char* name, std::uint32_t value) { registry_.writeDword(key_, name, value); }

private:
    Registry& registry_;
    RegistryKey key_ = 0;
};

}  // namespace

void TForm1::xisikuozanminClick() {
    const WindowHandle previouslyActive = platform_.desktop.activeWindow();
    const bool show = menuItem("xisikuozanmin").checked();
    menuItem("xisikuozanmin2").setChecked(show);
    AdvancedKey key(platform_.registry);
    if (key.openWithRetry())
        key.write("HideFileExt", show ? 0 : 1);
    else
        messageBox("打开显示扩展名项失败,请检查项是否存在", "出错", mb::kOk, BoxOwner::Application);
    refreshShellViews(previouslyActive);
}

void TForm1::xisikuozanmin2Click() {
    menuItem("xisikuozanmin").setChecked(menuItem("xisikuozanmin2").checked());
    xisikuozanminClick();
}

void TForm1::xiansiyincangClick() {
    const WindowHandle previouslyActive = platform_.desktop.activeWindow();
    const bool show = menuItem("xiansiyincang").checked();
    menuItem("xiansiyincang2").setChecked(show);
    AdvancedKey key(platform_.registry);
    if (key.openWithRetry()) {
        key.write("Hidden", show ? 1 : 2);
        key.write("ShowSuperHidden", show ? 1 : 0);
    } else {
        messageBox("打开显示系统隐藏文件项失败,请检查项是否存在", "出错", mb::kOk, BoxOwner::Application);
    }
    refreshShellViews(previouslyActive);
}

void TForm1::xiansiyincang2Click() {
    menuItem("xiansiyincang").setChecked(menuItem("xiansiyincang2").checked());
    xiansiyincangClick();
}

// The first path reads ShowSuperHidden; only a second, successful attempt to open the key falls
// back to Hidden. A missing or non-DWORD value leaves every mark as it is, since the marks of a
// path are set only once both of its values have been read.
void TForm1::qidongduruzuceClick() {
    AdvancedKey key(platform_.registry);
    std::optional<std::uint32_t> hideExtensions;
    std::optional<bool> hiddenShown;
    if (key.open()) {
        hideExtensions = key.read("HideFileExt");
        if (hideExtensions) {
            const std::optional<std::uint32_t> superHidden = key.read("ShowSuperHidden");
            if (superHidden) hiddenShown = *superHidden != 0;
        }
    } else if (key.open()) {
        hideExtensions = key.read("HideFileExt");
        if (hideExtensions) {
            const std::optional<std::uint32_t> hidden = key.read("Hidden");
            if (hidden) hiddenShown = *hidden != 2;
        }
    } else {
        playCue(state.soundDir + "\\" + "海浪.wav");
        return;
    }
    if (!hideExtensions || !hiddenShown) return;
    const bool extensionsShown = *hideExtensions == 0;
    menuItem("xisikuozanmin").setChecked(extensionsShown);
    menuItem("xisikuozanmin2").setChecked(extensionsShown);
    menuItem("xiansiyincang").setChecked(*hiddenShown);
    menuItem("xiansiyincang2").setChecked(*hiddenShown);
}

void TForm1::xiansizuomianClick() {
    Desktop& desktop = platform_.desktop;
    for (WindowHandle window = desktop.mainWindow(); window != 0; window = desktop.nextWindow(window))
        if (desktop.isWindowVisible(window)) desktop.postMessage(window, wm::kSysCommand, wm::kScMinimize, 0);
}

// Before Windows 7, Explorer windows take the refresh command as a message. Windows 7 Explorer
// ignores it, so each window is brought up and sent F5 instead. keybd_event types into whatever
// window has the focus, so the key goes out only when that Explorer window really is in front;
// otherwise the user's own program (an editor, say) would receive it.
void TForm1::refreshExplorerWindows() {
    Desktop& desktop = platform_.desktop;
    const bool win7 = state.osVersionName == "win7";
    state.explorerWindowFound = kClear;
    for (WindowHandle window : desktop.topLevelWindows()) {
        if (!sameTextIgnoringCase(desktop.className(window), kExplorerClass)) continue;
        if (!win7) {
            state.explorerWindowFound = kSet;
            desktop.postMessage(window, wm::kCommand, kRefreshCommand, 0);
            continue;
        }
        desktop.showWindow(window, sw::kShowNormal);
        bool inFront = false;
        for (int attempt = 0; attempt < kForegroundAttempts && !inFront; ++attempt) {
            desktop.sleep(kForegroundWait);
            inFront = desktop.setForegroundWindow(window);
        }
        // SetForegroundWindow may report success while Windows only flashes the window's task
        // bar button, so the window in front is asked as well.
        if (inFront && desktop.foregroundWindow() == window) {
            const unsigned scanCode = desktop.mapVirtualKey(vk::kF5);
            desktop.keyEvent(vk::kF5, scanCode, 0);
            desktop.keyEvent(vk::kF5, scanCode, vk::kKeyEventKeyUp);
        }
        state.explorerWindowFound = kSet;
    }
    if (WindowHandle desktopWindow = desktop.findWindow(kDesktopClass))
        desktop.postMessage(desktopWindow, wm::kCommand, kRefreshCommand, 0);
}

// On Windows 7 the refresh pulls Explorer windows to the front, so the window the user was in
// gets the foreground back afterwards. With no Explorer window open, a minimised one is opened
// and refreshed, which makes Explorer take the new setting for the windows opened later.
void TForm1::refreshShellViews(WindowHandle previouslyActive) {
    Desktop& desktop = platform_.desktop;
    const bool win7 = state.osVersionName == "win7";
    auto restoreForeground = [&] {
        if (!desktop.setForegroundWindow(previouslyActive)) desktop.setForegroundWindow(desktop.mainWindow());
    };
    refreshExplorerWindows();
    if (win7) {
        desktop.sleep(100);
        restoreForeground();
    }
    if (win7 && !state.explorerWindowFound) {
        if (platform_.files.directoryExists(state.baseDir))
            platform_.shell.execute(
                {ShellOwner::MainWindow, "open", "Explorer.exe", "/n," + state.baseDir, "", sw::kMinimize});
        desktop.sleep(500);
        refreshExplorerWindows();
        desktop.sleep(100);
        restoreForeground();
    }
    desktop.systemParametersInfo(spi::kSetDeskWallpaper, 0, spi::kSendWinIniChange);
    desktop.changeNotify(shcne::kAssocChanged, shcne::kIdList);
    desktop.changeNotify(shcne::kAllEvents, shcne::kFlush);
    if (win7) desktop.broadcastSystemMessage(bsf::kNoHang, wm::kSysColorChange);
}

}  // namespace tesvar
