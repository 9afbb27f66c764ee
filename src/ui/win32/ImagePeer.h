#pragma once
#include "ui/Image.h"
#include "ui/win32/ChildPeer.h"

namespace tesvar::win32 {

// A window of our own class that paints the model's picture.
class ImagePeer : public ChildPeer {
public:
    ImagePeer(ui::Image& model, ui::Application& app) : ChildPeer(model, app), image_(model) {}
    void create(HWND parent);
    void changed(ui::Change what) override;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc);

    ui::Image& image_;
};

}  // namespace tesvar::win32
