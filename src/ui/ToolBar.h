#pragma once
#include <vector>

#include "ui/Control.h"

namespace tesvar::ui {

// A tool bar: a row of captioned buttons (images above captions) with separators between.
class ToolBar : public Control {
public:
    using Control::Control;
    void addButton(Button& b) { buttons_.push_back(&b); }
    const std::vector<Button*>& buttons() const { return buttons_; }
    int separatorWidth = 8;
    int buttonWidth = 63;
    int buttonHeight = 37;

private:
    std::vector<Button*> buttons_;
};

}  // namespace tesvar::ui
