#include "ui/Memo.h"

namespace tesvar::ui {

void Memo::setText(const std::string& t) {
    text_ = t;
    notify(Change::Text);
}

void Memo::addLine(const std::string& line) {
    std::string t = text_;
    if (!t.empty() && t.compare(t.size() - (t.size() >= 2 ? 2 : t.size()), 2, "\r\n") != 0) t += "\r\n";
    setText(t + line + "\r\n");
}

}  // namespace tesvar::ui
