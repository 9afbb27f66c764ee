#include "ui/win32/TrayIconPeer.h"

#include <shellapi.h>

#include <cstring>

namespace tesvar::win32 {

TrayIconPeer::TrayIconPeer(ui::TrayIcon& model, ui::Application& app, HWND window, HICON icon)
    : model_(model),
      app_(app),
      window_(window),
      icon_(icon),
      taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {
    model_.attachPeer(this);
    changed();
}

TrayIconPeer::~TrayIconPeer() {
    model_.attachPeer(nullptr);
    if (added_) {
        NOTIFYICONDATAA data;
        fill(data);
        Shell_NotifyIconA(NIM_DELETE, &data);
    }
}

void TrayIconPeer::fill(NOTIFYICONDATAA& data) const {
    std::memset(&data, 0, sizeof data);
    // The first version of the structure: every shell since the oldest takes it.
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_;
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    const std::string& tip = model_.hint();
    std::memcpy(data.szTip, tip.data(), tip.size() < 63 ? tip.size() : 63);
}

void TrayIconPeer::changed() {
    NOTIFYICONDATAA data;
    fill(data);
    if (model_.active()) {
        if (added_)
            Shell_NotifyIconA(NIM_MODIFY, &data);
        else
            added_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    } else if (added_) {
        Shell_NotifyIconA(NIM_DELETE, &data);
        added_ = false;
    }
}

bool TrayIconPeer::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) {
        // The minimise button or the system menu's entry. Hiding to the tray has already
        // minimised the window; letting the command go on would show it again, minimised.
        bool hidden = false;
        app_.dispatch([this, &hidden] { hidden = model_.minimizeCommand(); });
        return hidden;
    }
    if (msg == taskbarCreated_) {
        // The shell restarted and forgot every icon.
        added_ = false;
        changed();
        return true;
    }
    if (msg != kCallbackMessage) return false;
    switch (static_cast<UINT>(lParam)) {
        case WM_LBUTTONDOWN:
            leftDown_ = true;
            break;
        case WM_LBUTTONUP:
            if (leftDown_) app_.dispatch([this] { model_.leftClick(); });
            leftDown_ = false;
            break;
        case WM_MBUTTONDOWN:
            middleDown_ = true;
            break;
        case WM_MBUTTONUP:
            if (middleDown_) app_.dispatch([this] { model_.leftClick(); });
            middleDown_ = false;
            break;
        case WM_RBUTTONDOWN:
            rightDown_ = true;
            break;
        case WM_RBUTTONUP:
            if (rightDown_) app_.dispatch([this] { model_.rightClick(); });
            rightDown_ = false;
            break;
    }
    return true;
}

}  // namespace tesvar::win32
