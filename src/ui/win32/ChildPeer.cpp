#include "ui/win32/ChildPeer.h"

#include <unordered_map>

namespace tesvar::win32 {

namespace {
// Peers by window, kept in the process: a window property would do, but under Wine every
// GetProp is a round trip to the server, and messages are routed by it many times a second.
std::unordered_map<HWND, ChildPeer*>& peers() {
    static std::unordered_map<HWND, ChildPeer*> byWindow;
    return byWindow;
}
}  // namespace

ChildPeer::~ChildPeer() {
    model_.attachPeer(nullptr);
    if (hwnd_) {
        peers().erase(hwnd_);
        DestroyWindow(hwnd_);
    }
}

void ChildPeer::create(const char* className, DWORD style, DWORD exStyle, HWND parent, const char* text) {
    const ui::Bounds& b = model_.bounds();
    hwnd_ = CreateWindowExA(exStyle, className, text, style | WS_CHILD | (model_.visible() ? WS_VISIBLE : 0), b.left,
                            b.top, b.width, b.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return;
    peers()[hwnd_] = this;
    model_.attachPeer(this);
    if (!model_.font().name.empty()) changed(ui::Change::Font);
}

ChildPeer* ChildPeer::of(HWND hwnd) {
    const auto it = peers().find(hwnd);
    return it == peers().end() ? nullptr : it->second;
}

HFONT createFont(const ui::Font& f) {
    int height = -f.height;
    if (f.size != 0) {
        HDC dc = GetDC(nullptr);
        height = -MulDiv(f.size, GetDeviceCaps(dc, LOGPIXELSY), 72);
        ReleaseDC(nullptr, dc);
    }
    return CreateFontA(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline, f.strikeOut,
                       static_cast<DWORD>(f.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, f.name.c_str());
}

void ChildPeer::changed(ui::Change what) {
    if (!hwnd_) return;
    syncing_ = true;
    switch (what) {
        case ui::Change::Bounds: {
            const ui::Bounds& b = model_.bounds();
            MoveWindow(hwnd_, b.left, b.top, b.width, b.height, TRUE);
            break;
        }
        case ui::Change::Visible:
            ShowWindow(hwnd_, model_.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case ui::Change::Enabled:
            EnableWindow(hwnd_, model_.enabled());
            break;
        case ui::Change::Font:
            font_.reset(createFont(model_.font()));
            SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
            break;
        case ui::Change::Focus:
            SetFocus(hwnd_);
            break;
        case ui::Change::Hint:  // tooltips ask for the hint when they show
        case ui::Change::Caption:
        case ui::Change::Text:
            break;
    }
    syncing_ = false;
}

bool ChildPeer::route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_COMMAND:
            if (ChildPeer* p = of(reinterpret_cast<HWND>(lParam))) {
                p->onCommand(HIWORD(wParam), LOWORD(wParam));
                result = 0;
                return true;
            }
            return false;
        case WM_DRAWITEM: {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (ChildPeer* p = of(dis->hwndItem)) {
                result = p->onDrawItem(*dis);
                return true;
            }
            return false;
        }
        case WM_NOTIFY: {
            auto* hdr = reinterpret_cast<NMHDR*>(lParam);
            if (ChildPeer* p = of(hdr->hwndFrom)) {
                result = p->onNotify(*hdr);
                return true;
            }
            return false;
        }
    }
    return false;
}

}  // namespace tesvar::win32
