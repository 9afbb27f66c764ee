#pragma once
#include <string>

#include "ui/Control.h"

namespace tesvar::ui {

// A line of static text that answers clicks and double-clicks. A double-click comes after the
// click of its first press, as Windows reports them.
class Label : public Control {
public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) {
        caption_ = c;
        notify(Change::Caption);
    }
    void click() {
        if (onClick) onClick();
    }
    void dblClick() {
        if (onDblClick) onDblClick();
    }
    Notify onClick;
    Notify onDblClick;

private:
    std::string caption_;
};

}  // namespace tesvar::ui
