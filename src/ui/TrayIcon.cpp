#include "ui/TrayIcon.h"

namespace tesvar::ui {

void TrayIcon::setActive(bool v) {
    if (v == active_) return;
    active_ = v;
    if (peer_) peer_->changed();
}

void TrayIcon::setHint(const std::string& h) {
    hint_ = h.size() > kMaxHintBytes ? h.substr(0, kMaxHintBytes) : h;
    if (peer_) peer_->changed();
}

}  // namespace tesvar::ui
