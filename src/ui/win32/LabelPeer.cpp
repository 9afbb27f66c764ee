#include "ui/win32/LabelPeer.h"

namespace tesvar::win32 {

// No prefix processing: an "&" in a caption is text, not an accelerator mark.
void LabelPeer::create(HWND parent) {
    ChildPeer::create("STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, 0, parent, label_.caption().c_str());
}

void LabelPeer::changed(ui::Change what) {
    if (what == ui::Change::Caption && hwnd_) SetWindowTextA(hwnd_, label_.caption().c_str());
    ChildPeer::changed(what);
}

void LabelPeer::onCommand(WORD code, WORD) {
    if (code == STN_CLICKED)
        app_.dispatch([this] { label_.click(); });
    else if (code == STN_DBLCLK)
        app_.dispatch([this] { label_.dblClick(); });
}

}  // namespace tesvar::win32
