#pragma once
// The real main window: a peer for every control, menu and the tray icon of TForm1,
// and the automation port.

#include <deque>
#include <memory>
#include <string>

#include "app/Form1.h"
#include "platform/win32/WinPlatform.h"
#include "ui/win32/ControlPeers.h"
#include "ui/win32/FormPeer.h"
#include "ui/win32/ListBoxPeer.h"
#include "ui/win32/MenuPeer.h"
#include "ui/win32/TrayIconPeer.h"

namespace tesvar::win32 {

class MainWindow {
public:
    MainWindow(TForm1& form, ui::Application& app);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the real windows from the models' current state; false when Windows refused.
    bool create();
    HWND hwnd() const { return formPeer_.hwnd(); }

private:
    bool preHandle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // ---- AutomationPort.cpp ----
    // Answers one request; actions are queued and run later as a posted message.
    std::string answer(const std::string& request);
    std::string stateJson();
    void runAction(const std::string& action);
    void runTimed(const std::string& action);
    std::string timingJson() const;
    static constexpr UINT kRunAction = WM_APP + 2;

    TForm1& form_;
    ui::Application& app_;
    HICON icon_ = nullptr;
    MenuPeer mainMenu_;
    MenuPeer popup1_;
    MenuPeer popup2_;
    FormPeer formPeer_;
    ToolBarPeer toolBar_;
    PanelPeer panel1_;
    PanelPeer panel2_;
    PanelPeer panel3_;
    PanelPeer panel4_;
    ListBoxPeer list_;
    MemoPeer memo_;
    ButtonPeer button2_;
    BitBtnPeer bitBtn1_;
    BitBtnPeer bitBtn3_;
    std::unique_ptr<TrayIconPeer> tray_;
    std::deque<std::string> actions_;
    int actionRunning_ = 0;  // actions under way (one may run inside another's modal loop)
    struct Timing {
        std::string action;
        double ms = 0;
        double modalMs = 0;
    } timing_;
};

}  // namespace tesvar::win32
