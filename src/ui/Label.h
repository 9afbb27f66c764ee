#pragma once
#include "ui/Control.h"

namespace tesvar::ui {

// A line of static text that answers clicks and double-clicks. A double-click comes after the
// click of its first press, as Windows reports them.
class Label : public Button {
public:
    using Button::Button;
    void dblClick() {
        if (onDblClick) onDblClick();
    }
    Notify onDblClick;
};

}  // namespace tesvar::ui
