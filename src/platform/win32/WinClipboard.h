#pragma once
#include <windows.h>

#include "platform/Clipboard.h"

namespace tesvar::win32 {

class WinClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
    // The clipboard needs a window to own what is put on it; the program entry hands in the
    // main window once it exists.
    void setOwner(HWND window) { owner_ = window; }

private:
    HWND owner_ = nullptr;
};

}  // namespace tesvar::win32
