#pragma once
#include <utility>

#include "platform/Bitmap.h"
#include "ui/Control.h"

namespace tesvar::ui {

// A picture shown in a control's bounds; stretched to them when `stretch` is set, drawn at
// its own size from the top left otherwise. An empty picture shows nothing.
class Image : public Control {
public:
    using Control::Control;
    const Bitmap& picture() const { return picture_; }
    void setPicture(Bitmap picture) {
        picture_ = std::move(picture);
        notify(Change::Text);
    }
    bool stretch() const { return stretch_; }
    void setStretch(bool s) {
        stretch_ = s;
        notify(Change::Text);
    }

private:
    Bitmap picture_;
    bool stretch_ = false;
};

}  // namespace tesvar::ui
