#include "ui/Form.h"

namespace tesvar::ui {

void Form::show() {
    if (visible()) return;
    setVisible(true);
    if (onShow) onShow();
}

}  // namespace tesvar::ui
