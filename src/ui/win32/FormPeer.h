#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/win32/ControlPeers.h"
#include "ui/win32/MenuPeer.h"

namespace tesvar::win32 {

// The main window: a top-level window of its own class, the owner of the menu bar, the
// popup menus' commands, the tooltips, and the application object's real side
// (minimise, restore, end of the message loop).
class FormPeer : public ui::ControlPeer, public ui::AppPeer {
public:
    FormPeer(ui::Form& form, ui::Application& app);
    ~FormPeer() override;
    FormPeer(const FormPeer&) = delete;
    FormPeer& operator=(const FormPeer&) = delete;

    // Registers the class, creates the hidden window at the model's bounds with the
    // menu bar, and attaches to the form and the application.
    bool create(const char* className, HICON icon, MenuPeer* menuBar);
    HWND hwnd() const { return hwnd_; }
    Tooltips& tooltips() { return tooltips_; }
    // Popup menus whose commands come to this window.
    void addPopup(MenuPeer* menu) { popups_.push_back(menu); }
    // A tool bar whose tooltips ask this window for their texts.
    void addToolBar(ToolBarPeer* toolBar) { toolBars_.push_back(toolBar); }
    // Messages the program handles before the window does (tray, automation port).
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> preHandler;

    void changed(ui::Change what) override;

    void titleChanged() override {}
    void minimize() override;
    void restore() override;
    void setTaskbarButton(bool) override {}
    void terminate() override { PostQuitMessage(0); }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void readBoundsBack();

    ui::Form& form_;
    ui::Application& app_;
    HWND hwnd_ = nullptr;
    MenuPeer* menuBar_ = nullptr;
    std::vector<MenuPeer*> popups_;
    std::vector<ToolBarPeer*> toolBars_;
    Tooltips tooltips_;
    bool syncing_ = false;
    bool shownOnce_ = false;
};

}  // namespace tesvar::win32
