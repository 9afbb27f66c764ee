#pragma once
#include <windows.h>

#include "ui/Application.h"
#include "ui/TrayIcon.h"

namespace tesvar::win32 {

// The notification-area icon. The main window receives its mouse messages.
class TrayIconPeer : public ui::TrayPeer {
public:
    static constexpr UINT kCallbackMessage = WM_APP + 1;

    TrayIconPeer(ui::TrayIcon& model, ui::Application& app, HWND window, HICON icon);
    ~TrayIconPeer() override;
    TrayIconPeer(const TrayIconPeer&) = delete;
    TrayIconPeer& operator=(const TrayIconPeer&) = delete;

    void changed() override;
    // Handles the icon's callback message, the shell's TaskbarCreated broadcast and the main
    // window's minimise command (hidden to the tray when AutoHide is on).
    bool handle(UINT msg, WPARAM wParam, LPARAM lParam);
    bool shown() const { return added_; }

private:
    void fill(NOTIFYICONDATAA& data) const;

    ui::TrayIcon& model_;
    ui::Application& app_;
    HWND window_;
    HICON icon_;
    UINT taskbarCreated_;
    bool added_ = false;
    bool leftDown_ = false;
    bool middleDown_ = false;
    bool rightDown_ = false;
};

}  // namespace tesvar::win32
