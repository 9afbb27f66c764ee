#pragma once
#include <string>

namespace tesvar {

// The system clipboard, for plain text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Puts the text on the clipboard in place of whatever was there. Raises ClipboardError
    // when the clipboard cannot be taken.
    virtual void setText(const std::string& text) = 0;
};

}  // namespace tesvar
