#include "ui/win32/ListBoxPeer.h"

#include <windowsx.h>

#include "ui/win32/MenuPeer.h"

namespace tesvar::win32 {

namespace {
// Posted to the list box itself: the changes of the current event are all made, draw them.
constexpr UINT kRedrawDeferred = WM_APP + 7;
}  // namespace

ListBoxPeer::~ListBoxPeer() {
    list_.attachListPeer(nullptr);
    if (hwnd_ && baseProc_) SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc_));
}

void ListBoxPeer::create(HWND parent) {
    designedItemHeight_ = list_.itemHeight();
    ChildPeer::create(
        "LISTBOX",
        LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
        WS_EX_CLIENTEDGE, parent);
    if (!hwnd_) return;
    SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, list_.itemHeight());
    baseProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListBoxPeer::subclassProc)));
    list_.attachListPeer(this);
    send(WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < list_.count(); ++i) insertRow(i);
    send(WM_SETREDRAW, TRUE, 0);
    selectionChanged();
}

// The model's changes go straight to the list box's own procedure. Sent, each message would
// first pass the subclasses (the tooltip's and ours), which under Wine ask the server for
// window properties at every message: a load of 3000 entries took seconds that way.
LRESULT ListBoxPeer::send(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!baseProc_) return SendMessageA(hwnd_, msg, wParam, lParam);
    return CallWindowProcA(baseProc_, hwnd_, msg, wParam, lParam);
}

// A list box that may redraw repaints its scroll bar and rows at every insertion (under Wine
// some milliseconds a row). So the first change of an event switches redrawing off, and a
// message posted behind the event switches it on again once every change of the event is
// made; the list then paints once.
void ListBoxPeer::deferRedraw() {
    if (redrawDeferred_) return;
    redrawDeferred_ = true;
    send(WM_SETREDRAW, FALSE, 0);
    PostMessageA(hwnd_, kRedrawDeferred, 0, 0);
}

void ListBoxPeer::flushDeferredRedraw() {
    if (!redrawDeferred_ || !hwnd_) return;
    redrawDeferred_ = false;
    send(WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListBoxPeer::insertRow(int index) {
    send(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(list_.text(index).c_str()));
    send(LB_SETITEMDATA, index, list_.checked(index) ? 1 : 0);
}

void ListBoxPeer::inserted(int index) {
    if (!hwnd_) return;
    deferRedraw();
    insertRow(index);
}

void ListBoxPeer::removed(int index) {
    if (!hwnd_) return;
    deferRedraw();
    send(LB_DELETESTRING, index, 0);
}

void ListBoxPeer::cleared() {
    if (!hwnd_) return;
    deferRedraw();
    send(LB_RESETCONTENT, 0, 0);
}

void ListBoxPeer::textChanged(int index) {
    if (!hwnd_) return;
    deferRedraw();
    syncing_ = true;
    send(LB_DELETESTRING, index, 0);
    insertRow(index);
    send(LB_SETCURSEL, list_.itemIndex(), 0);
    syncing_ = false;
}

void ListBoxPeer::checkChanged(int index) {
    if (!hwnd_) return;
    send(LB_SETITEMDATA, index, list_.checked(index) ? 1 : 0);
    RECT r;
    if (send(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)) != LB_ERR) InvalidateRect(hwnd_, &r, FALSE);
}

void ListBoxPeer::selectionChanged() {
    if (!hwnd_) return;
    syncing_ = true;
    send(LB_SETCURSEL, list_.itemIndex(), 0);
    syncing_ = false;
}

// Refilled whole: changing the rows one by one in place moves every row behind each of them.
void ListBoxPeer::reordered() {
    if (!hwnd_) return;
    deferRedraw();
    syncing_ = true;
    send(LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < list_.count(); ++i) insertRow(i);
    send(LB_SETCURSEL, list_.itemIndex(), 0);
    send(LB_SETTOPINDEX, list_.topIndex(), 0);
    syncing_ = false;
}

void ListBoxPeer::topIndexChanged() {
    if (!hwnd_ || syncing_) return;
    deferRedraw();
    send(LB_SETTOPINDEX, list_.topIndex(), 0);
}

void ListBoxPeer::changed(ui::Change what) {
    ChildPeer::changed(what);
    if (what == ui::Change::Font && hwnd_) {
        // Rows grow with a larger font so a big font is never cut off, and shrink back with a
        // smaller one, never below the designed height.
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, font_.get());
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        const int minimum = designedItemHeight_ > 0 ? designedItemHeight_ : list_.itemHeight();
        const int h = tm.tmHeight + 4 > minimum ? tm.tmHeight + 4 : minimum;
        SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, h);
        list_.setItemHeight(h);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
}

int ListBoxPeer::checkBoxWidth() const { return list_.itemHeight(); }

// Dragging starts once the pointer leaves the system's drag rectangle with the button
// down; the drop is where the button comes up, if that is over the list.
void ListBoxPeer::dragFrom(int x, int y) {
    POINT screen{x, y};
    ClientToScreen(hwnd_, &screen);
    if (!DragDetect(hwnd_, screen)) return;
    app_.dispatch([this, x, y] {
        if (list_.onStartDrag) list_.onStartDrag(x, y);
    });
    SetCapture(hwnd_);
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_UPARROW));
    MSG msg;
    bool dropped = false;
    POINT drop{};
    while (GetCapture() == hwnd_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_LBUTTONUP) {
            drop = {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            if (msg.hwnd != hwnd_) MapWindowPoints(msg.hwnd, hwnd_, &drop, 1);
            dropped = true;
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) break;
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONDOWN) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    ReleaseCapture();
    SetCursor(previous);
    RECT client;
    GetClientRect(hwnd_, &client);
    if (!dropped || !PtInRect(&client, drop)) return;
    app_.dispatch([this, drop] {
        if (list_.onDragOver && list_.onDragOver(&list_) && list_.onDragDrop) list_.onDragDrop(drop.x, drop.y);
    });
}

// The user scrolls the real list; the model learns its first visible row before any event.
void ListBoxPeer::syncTopIndex() {
    if (!hwnd_ || syncing_) return;
    // Asked of the list box's own procedure: sent, the message would come back through
    // handle(), which reads the top row before anything else, again and again (Wine stops the
    // recursion after 64 levels, slowing every message of the list down; Windows would
    // overflow the stack).
    const int top = static_cast<int>(send(LB_GETTOPINDEX, 0, 0));
    if (top != list_.topIndex()) {
        syncing_ = true;
        list_.setTopIndex(top);
        syncing_ = false;
    }
}

void ListBoxPeer::onCommand(WORD code, WORD) {
    if (syncing_) return;
    syncTopIndex();
    if (code == LBN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
        app_.dispatch([this, index] { list_.userSelect(index); });
    } else if (code == LBN_DBLCLK) {
        app_.dispatch([this] {
            if (list_.onDblClick) list_.onDblClick();
        });
    }
}

bool ListBoxPeer::onDrawItem(DRAWITEMSTRUCT& dis) {
    if (static_cast<int>(dis.itemID) < 0) return true;
    const int index = static_cast<int>(dis.itemID);
    if (index >= list_.count()) return true;
    HDC dc = dis.hDC;
    const bool selected = (dis.itemState & ODS_SELECTED) != 0;
    RECT box = dis.rcItem;
    box.right = box.left + checkBoxWidth();
    RECT text = dis.rcItem;
    text.left = box.right;
    // The rows take the background the parent gives the list, as the list's empty part does
    // (the window's colour unless a skin answers otherwise).
    auto back = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(hwnd_), WM_CTLCOLORLISTBOX,
                                                      reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)));
    if (!back) back = GetSysColorBrush(COLOR_WINDOW);
    FillRect(dc, &box, back);
    FillRect(dc, &text, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : back);
    RECT mark = box;
    InflateRect(&mark, -3, -3);
    DrawFrameControl(dc, &mark, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (list_.checked(index) ? DFCS_CHECKED : 0));
    const int color = list_.font().color;
    const COLORREF fore = selected                     ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                          : color == ui::kClWindowText ? GetSysColor(COLOR_WINDOWTEXT)
                          : color < 0                  ? GetSysColor(color & 0xFF)
                                                       : static_cast<COLORREF>(color);
    SetTextColor(dc, fore);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = font_ ? SelectObject(dc, font_.get()) : nullptr;
    const std::string& s = list_.text(index);
    text.left += 2;
    DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (old) SelectObject(dc, old);
    if (dis.itemState & ODS_FOCUS) {
        RECT f = dis.rcItem;
        f.left = box.right;
        DrawFocusRect(dc, &f);
    }
    return true;
}

LRESULT CALLBACK ListBoxPeer::subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<ListBoxPeer*>(ChildPeer::of(hwnd));
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->handle(msg, wParam, lParam);
}

LRESULT ListBoxPeer::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kRedrawDeferred) {
        flushDeferredRedraw();
        return 0;
    }
    syncTopIndex();
    switch (msg) {
        case WM_LBUTTONDOWN: {
            // A press on a row's box toggles its tick; the row is selected as well.
            const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
            const LRESULT hit = SendMessageA(hwnd_, LB_ITEMFROMPOINT, 0, lParam);
            const int index = LOWORD(hit);
            const LRESULT result = CallWindowProcA(baseProc_, hwnd_, msg, wParam, lParam);
            if (HIWORD(hit) == 0 && x < checkBoxWidth() && index < list_.count()) {
                app_.dispatch([this, index] { list_.userToggle(index); });
            } else {
                dragFrom(x, y);
            }
            return result;
        }
        case WM_KEYDOWN: {
            ui::ShiftState shift;
            shift.shift = GetKeyState(VK_SHIFT) < 0;
            shift.ctrl = GetKeyState(VK_CONTROL) < 0;
            shift.alt = GetKeyState(VK_MENU) < 0;
            app_.dispatch([this, shift] {
                if (list_.onKeyDown) list_.onKeyDown(shift);
            });
            break;
        }
        case WM_KEYUP:
            app_.dispatch([this] {
                if (list_.onKeyUp) list_.onKeyUp();
            });
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            app_.dispatch([this] {
                if (list_.onMouseUp) list_.onMouseUp();
            });
            break;
        case WM_CHAR:
            if (wParam == ' ') {
                const int index = list_.itemIndex();
                if (index >= 0) app_.dispatch([this, index] { list_.userToggle(index); });
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            if (contextMenu_ && contextMenu_->hasVisibleItems()) {
                POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (pt.x == -1 && pt.y == -1) GetCursorPos(&pt);
                contextMenu_->track(GetAncestor(hwnd_, GA_ROOT), pt);
            }
            return 0;
    }
    return CallWindowProcA(baseProc_, hwnd_, msg, wParam, lParam);
}

}  // namespace tesvar::win32
