#pragma once
#include <string>

#include "ui/Control.h"
#include "ui/Menu.h"

namespace tesvar::ui {

class TrayPeer {
public:
    virtual ~TrayPeer() = default;
    virtual void changed() = 0;  // Active, Hint or the icon changed
};

// The notification-area icon: present while Active, tooltip Hint (at most 63 bytes
// reach the shell), PopupMenu on a right click, OnClick on a left or middle click.
class TrayIcon {
public:
    static constexpr size_t kMaxHintBytes = 63;

    bool active() const { return active_; }
    void setActive(bool v);
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& h);
    bool autoHide() const { return autoHide_; }
    void setAutoHide(bool v) { autoHide_ = v; }
    Menu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(Menu* m) { popupMenu_ = m; }

    // The user's clicks on the icon, as the peer decodes them.
    void leftClick() {
        if (onClick) onClick();
    }
    void rightClick() {
        if (popupMenu_ && popupMenu_->onPopup) popupMenu_->onPopup();
    }
    Notify onClick;

    // A minimise command reached the application (the window's minimise button or its system
    // menu). With AutoHide and Active it hides the program to the tray through OnAutoHide and
    // answers true: the minimise has then been done. The program's own minimise is no command.
    bool minimizeCommand() {
        if (!autoHide_ || !active_ || !onAutoHide) return false;
        onAutoHide();
        return true;
    }
    Notify onAutoHide;

    void attachPeer(TrayPeer* p) { peer_ = p; }

private:
    bool active_ = true;
    std::string hint_;
    bool autoHide_ = true;
    Menu* popupMenu_ = nullptr;
    TrayPeer* peer_ = nullptr;
};

}  // namespace tesvar::ui
