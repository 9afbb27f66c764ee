#pragma once
#include <string>
#include <vector>

#include "platform/Clipboard.h"

namespace tesvar::sim {

// Keeps the clipboard's text and every text put on it, in order.
class SimClipboard : public Clipboard {
public:
    void setText(const std::string& t) override {
        text = t;
        history.push_back(t);
    }
    std::string text;
    std::vector<std::string> history;
};

}  // namespace tesvar::sim
