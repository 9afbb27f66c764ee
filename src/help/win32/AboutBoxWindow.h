#pragma once
// The real about box: a modeless dialog window (class #32770, so the dialog manager gives it
// the default button and keyboard navigation) with a peer for each control of TAboutBox.

#include <windows.h>

#include "help/AboutBox.h"
#include "ui/Application.h"
#include "ui/win32/ControlPeers.h"
#include "ui/win32/Handles.h"
#include "ui/win32/ImagePeer.h"
#include "ui/win32/LabelPeer.h"

namespace tesvar::win32 {

class AboutBoxWindow : public ui::ControlPeer {
public:
    AboutBoxWindow(TAboutBox& box, ui::Application& app);
    ~AboutBoxWindow() override;
    AboutBoxWindow(const AboutBoxWindow&) = delete;
    AboutBoxWindow& operator=(const AboutBoxWindow&) = delete;

    // Creates the hidden box, owned by the main window, centred on the screen; false when
    // Windows refused.
    bool create(HWND owner);
    HWND hwnd() const { return window_.get(); }
    // For the message loop: Enter, Tab and the like when the box has the keyboard.
    bool preTranslate(MSG& msg);

    void changed(ui::Change what) override;

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void readBoundsBack();

    TAboutBox& box_;
    ui::Application& app_;
    // Declared before the children: it is destroyed after them.
    OwnedWindow window_;
    Tooltips tooltips_;
    PanelPeer panel_;
    ImagePeer programIcon_;
    LabelPeer productName_;
    LabelPeer version_;
    LabelPeer label1_;
    LabelPeer comments_;
    ButtonPeer okButton_;
    bool syncing_ = false;
};

}  // namespace tesvar::win32
