#include "ui/Control.h"

namespace tesvar::ui {

void Control::setBounds(const Bounds& b) {
    if (b == bounds_) return;
    bounds_ = b;
    notify(Change::Bounds);
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    notify(Change::Visible);
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    notify(Change::Enabled);
}

void Control::setHint(const std::string& h) {
    hint_ = h;
    notify(Change::Hint);
}

void Control::setFont(const Font& f) {
    font_ = f;
    notify(Change::Font);
}

void Control::setFocus() {
    ++focusRequests_;
    notify(Change::Focus);
}

}  // namespace tesvar::ui
