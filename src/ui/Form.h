#pragma once
#include <string>

#include "ui/Control.h"

namespace tesvar::ui {

enum class FormStyle { Normal, StayOnTop };

// A top-level window. Its bounds are the outer size, frame included.
class Form : public Control {
public:
    using Control::Control;

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) {
        caption_ = c;
        notify(Change::Caption);
    }
    FormStyle formStyle() const { return formStyle_; }
    void setFormStyle(FormStyle s) {
        formStyle_ = s;
        notify(Change::Visible);
    }
    // Shows the window; OnShow runs each time it turns from hidden to visible.
    void show();
    void hide() { setVisible(false); }
    // Asks to close; OnClose runs, and the owner decides what follows.
    void close() {
        if (onClose) onClose();
    }
    // The size changed (the peer calls this after the user or the program resized it).
    void resized() {
        if (onResize) onResize();
    }

    Notify onShow;
    Notify onClose;
    Notify onResize;

private:
    std::string caption_;
    FormStyle formStyle_ = FormStyle::Normal;
};

}  // namespace tesvar::ui
