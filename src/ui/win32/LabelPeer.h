#pragma once
#include "ui/Label.h"
#include "ui/win32/ChildPeer.h"

namespace tesvar::win32 {

// A STATIC control that reports its clicks (SS_NOTIFY): STN_CLICKED and STN_DBLCLK become the
// label's click and double-click.
class LabelPeer : public ChildPeer {
public:
    LabelPeer(ui::Label& model, ui::Application& app) : ChildPeer(model, app), label_(model) {}
    void create(HWND parent);
    void changed(ui::Change what) override;
    void onCommand(WORD code, WORD id) override;

private:
    ui::Label& label_;
};

}  // namespace tesvar::win32
