#pragma once
// The peer of a child control: it creates the real window, mirrors the model's changes
// into it and turns the window's notifications into model events. Every child keeps a
// pointer to its peer in a window property, so whichever window receives a child's
// notification (a panel or the main window) can hand it on.

#include <windows.h>
#include <commctrl.h>

#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/win32/Handles.h"

namespace tesvar::win32 {

class ChildPeer : public ui::ControlPeer {
public:
    ChildPeer(ui::Control& model, ui::Application& app) : model_(model), app_(app) {}
    ~ChildPeer() override;
    ChildPeer(const ChildPeer&) = delete;
    ChildPeer& operator=(const ChildPeer&) = delete;

    HWND hwnd() const { return hwnd_; }
    ui::Control& model() const { return model_; }

    // Creates the window at the model's bounds inside parent and attaches to the model.
    void create(const char* className, DWORD style, DWORD exStyle, HWND parent, const char* text = "");

    void changed(ui::Change what) override;

    virtual void onCommand(WORD /*code*/, WORD /*id*/) {}
    virtual bool onDrawItem(DRAWITEMSTRUCT& /*dis*/) { return false; }
    virtual LRESULT onNotify(NMHDR& /*hdr*/) { return 0; }

    static ChildPeer* of(HWND hwnd);
    // Hands WM_COMMAND, WM_DRAWITEM and WM_NOTIFY on to the child's
    // peer; true when the message was one of those and went to a peer.
    static bool route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    ui::Control& model_;
    ui::Application& app_;
    HWND hwnd_ = nullptr;
    OwnedFont font_;
    bool syncing_ = false;  // a change we make ourselves must not come back as a user event
};

// A GDI font for a model font; a size in points is turned into pixels at the screen's DPI.
HFONT createFont(const ui::Font& font);

}  // namespace tesvar::win32
