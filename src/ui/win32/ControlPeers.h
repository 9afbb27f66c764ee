#pragma once
// Peers of the plain controls: panels, push buttons, picture buttons, the memo, the tool bar.

#include <vector>

#include "ui/Memo.h"
#include "ui/ToolBar.h"
#include "ui/win32/ChildPeer.h"

namespace tesvar::win32 {

// A raised one-pixel bevel around a container of other controls.
class PanelPeer : public ChildPeer {
public:
    using ChildPeer::ChildPeer;
    void create(HWND parent);
    static void registerClass();
};

class ButtonPeer : public ChildPeer {
public:
    ButtonPeer(ui::Button& model, ui::Application& app) : ChildPeer(model, app), button_(model) {}
    void create(HWND parent);
    void changed(ui::Change what) override;
    void onCommand(WORD code, WORD id) override;

private:
    ui::Button& button_;
};

// A button that shows one image from the program's resources instead of a caption.
class BitBtnPeer : public ChildPeer {
public:
    BitBtnPeer(ui::Button& model, ui::Application& app, int bitmapId)
        : ChildPeer(model, app), button_(model), bitmapId_(bitmapId) {}
    ~BitBtnPeer() override;
    void create(HWND parent);
    void onCommand(WORD code, WORD id) override;
    bool onDrawItem(DRAWITEMSTRUCT& dis) override;

private:
    ui::Button& button_;
    int bitmapId_;
    HIMAGELIST images_ = nullptr;
};

class MemoPeer : public ChildPeer {
public:
    MemoPeer(ui::Memo& model, ui::Application& app) : ChildPeer(model, app), memo_(model) {}
    void create(HWND parent);
    void changed(ui::Change what) override;
    void onCommand(WORD code, WORD id) override;

private:
    ui::Memo& memo_;
};

class ToolBarPeer : public ChildPeer {
public:
    ToolBarPeer(ui::ToolBar& model, ui::Application& app, int bitmapId)
        : ChildPeer(model, app), toolBar_(model), bitmapId_(bitmapId) {}
    ~ToolBarPeer() override;
    void create(HWND parent);
    void onCommand(WORD code, WORD id) override;
    LRESULT onNotify(NMHDR& hdr) override;
    // The tool bar's tooltips report to the main window, which hands them back here.
    bool tooltipText(UINT_PTR id, const char*& text);

    static constexpr WORD kFirstId = 200;

private:
    ui::ToolBar& toolBar_;
    int bitmapId_;
    HIMAGELIST images_ = nullptr;
};

// One tooltip window for the form's controls; it asks each control's peer for the
// model's current hint when it is about to show.
class Tooltips {
public:
    void create(HWND form);
    void add(ChildPeer& peer);
    // Answers TTN_GETDISPINFOA; true when the notification was ours.
    bool answer(NMHDR& hdr);
    ~Tooltips();

private:
    HWND tip_ = nullptr;
    HWND form_ = nullptr;
};

}  // namespace tesvar::win32
