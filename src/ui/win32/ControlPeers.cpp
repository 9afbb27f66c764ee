#include "ui/win32/ControlPeers.h"

#include <string>

namespace tesvar::win32 {

namespace {
const char kPanelClass[] = "TPanel";

LRESULT CALLBACK panelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ChildPeer::route(msg, wParam, lParam, result)) return result;
    switch (msg) {
        case WM_NOTIFY:  // a notification from a window without a peer (a tooltip): the form answers it
            return SendMessageA(GetAncestor(hwnd, GA_ROOT), msg, wParam, lParam);
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT r;
            GetClientRect(hwnd, &r);
            DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT);
            EndPaint(hwnd, &ps);
            return 0;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
}  // namespace

void PanelPeer::registerClass() {
    WNDCLASSA wc{};
    // A panel's bevel runs along its edges, so a size change must repaint all of it.
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = panelProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kPanelClass;
    RegisterClassA(&wc);
}

void PanelPeer::create(HWND parent) { ChildPeer::create(kPanelClass, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, parent); }

void ButtonPeer::create(HWND parent) {
    ChildPeer::create("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, parent, button_.caption().c_str());
}

void ButtonPeer::changed(ui::Change what) {
    if (what == ui::Change::Caption && hwnd_) SetWindowTextA(hwnd_, button_.caption().c_str());
    ChildPeer::changed(what);
}

void ButtonPeer::onCommand(WORD code, WORD) {
    if (code == BN_CLICKED) app_.dispatch([this] { button_.click(); });
}

BitBtnPeer::~BitBtnPeer() {
    if (images_) ImageList_Destroy(images_);
}

void BitBtnPeer::create(HWND parent) {
    images_ = ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId_), 16, 0, RGB(255, 0, 255),
                                   IMAGE_BITMAP, LR_CREATEDIBSECTION);
    ChildPeer::create("BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0, parent);
}

void BitBtnPeer::onCommand(WORD code, WORD) {
    if (code == BN_CLICKED) app_.dispatch([this] { button_.click(); });
}

bool BitBtnPeer::onDrawItem(DRAWITEMSTRUCT& dis) {
    const bool pressed = (dis.itemState & ODS_SELECTED) != 0;
    RECT r = dis.rcItem;
    DrawFrameControl(dis.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    if (images_) {
        const int x = (r.right - r.left - 16) / 2 + (pressed ? 1 : 0);
        const int y = (r.bottom - r.top - 16) / 2 + (pressed ? 1 : 0);
        ImageList_Draw(images_, 0, dis.hDC, x, y, ILD_TRANSPARENT);
    }
    if (dis.itemState & ODS_FOCUS) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(dis.hDC, &r);
    }
    return true;
}

void MemoPeer::create(HWND parent) {
    ChildPeer::create("EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                      parent, memo_.text().c_str());
}

void MemoPeer::changed(ui::Change what) {
    if (what == ui::Change::Text && hwnd_) {
        syncing_ = true;
        SetWindowTextA(hwnd_, memo_.text().c_str());
        // Keep the newest line in view, as a log box should.
        SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
        syncing_ = false;
        return;
    }
    ChildPeer::changed(what);
}

void MemoPeer::onCommand(WORD code, WORD) {
    if (code != EN_CHANGE || syncing_) return;
    const int n = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(n) + 1, '\0');
    GetWindowTextA(hwnd_, &text[0], n + 1);
    text.resize(static_cast<size_t>(n));
    memo_.userSetText(text);
}

ToolBarPeer::~ToolBarPeer() {
    if (images_) ImageList_Destroy(images_);
}

void ToolBarPeer::create(HWND parent) {
    ChildPeer::create(TOOLBARCLASSNAMEA,
                      TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN, 0, parent);
    if (!hwnd_) return;
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    images_ = ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId_), 16, 0, RGB(255, 0, 255),
                                   IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (images_) SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELONG(16, 16));
    const auto& buttons = toolBar_.buttons();
    std::vector<TBBUTTON> tb;
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0) {
            TBBUTTON sep{};
            sep.iBitmap = toolBar_.separatorWidth;
            sep.fsStyle = TBSTYLE_SEP;
            tb.push_back(sep);
        }
        TBBUTTON b{};
        b.iBitmap = static_cast<int>(i);
        b.idCommand = kFirstId + static_cast<int>(i);
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = TBSTYLE_BUTTON;
        b.iString = reinterpret_cast<INT_PTR>(buttons[i]->caption().c_str());
        tb.push_back(b);
    }
    SendMessageA(hwnd_, TB_ADDBUTTONSA, tb.size(), reinterpret_cast<LPARAM>(tb.data()));
    SendMessageA(hwnd_, TB_SETBUTTONSIZE, 0, MAKELONG(toolBar_.buttonWidth, toolBar_.buttonHeight));
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
    SendMessageA(hwnd_, TB_SETMAXTEXTROWS, 1, 0);
}

void ToolBarPeer::onCommand(WORD, WORD id) {
    const auto& buttons = toolBar_.buttons();
    if (id < kFirstId || id >= kFirstId + buttons.size()) return;
    ui::Button* button = buttons[id - kFirstId];
    app_.dispatch([button] { button->click(); });
}

LRESULT ToolBarPeer::onNotify(NMHDR&) { return 0; }

bool ToolBarPeer::tooltipText(UINT_PTR id, const char*& text) {
    const auto& buttons = toolBar_.buttons();
    if (id < kFirstId || id >= kFirstId + buttons.size()) return false;
    text = buttons[id - kFirstId]->hint().c_str();
    return true;
}

void Tooltips::create(HWND form) {
    form_ = form;
    tip_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (tip_) SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, 600);
}

Tooltips::~Tooltips() {
    if (tip_) DestroyWindow(tip_);
}

void Tooltips::add(ChildPeer& peer) {
    if (!tip_ || !peer.hwnd()) return;
    // The first version of the structure, so the message works with every common-controls version.
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = form_;
    ti.uId = reinterpret_cast<UINT_PTR>(peer.hwnd());
    ti.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

bool Tooltips::answer(NMHDR& hdr) {
    if (hdr.code != TTN_GETDISPINFOA) return false;
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(hdr);
    if (!(info.uFlags & TTF_IDISHWND)) return false;
    ChildPeer* peer = ChildPeer::of(reinterpret_cast<HWND>(hdr.idFrom));
    if (!peer) return false;
    info.lpszText = const_cast<char*>(peer->model().hint().c_str());
    info.hinst = nullptr;
    return true;
}

}  // namespace tesvar::win32
