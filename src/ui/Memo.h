#pragma once
#include <string>

#include "ui/Control.h"

namespace tesvar::ui {

// A multi-line edit box. Its text is held as lines joined by CR LF.
class Memo : public Control {
public:
    using Control::Control;
    const std::string& text() const { return text_; }
    void setText(const std::string& t);
    void clear() { setText(std::string()); }
    // Appends one line and its line end, ending an unfinished last line first.
    void addLine(const std::string& line);
    // The text as the user changed it in the real control; raises no event.
    void userSetText(const std::string& t) { text_ = t; }

private:
    std::string text_;
};

}  // namespace tesvar::ui
