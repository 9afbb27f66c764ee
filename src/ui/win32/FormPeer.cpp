#include "ui/win32/FormPeer.h"

namespace tesvar::win32 {

FormPeer::FormPeer(ui::Form& form, ui::Application& app) : form_(form), app_(app) {}

FormPeer::~FormPeer() {
    form_.attachPeer(nullptr);
    app_.attachPeer(nullptr);
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool FormPeer::create(const char* className, HICON icon, MenuPeer* menuBar) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &FormPeer::windowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc)) return false;
    menuBar_ = menuBar;
    const ui::Bounds& b = form_.bounds();
    hwnd_ = CreateWindowExA(0, className, form_.caption().c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, b.left, b.top,
                            b.width, b.height, nullptr, menuBar ? menuBar->handle() : nullptr, wc.hInstance, this);
    if (!hwnd_) return false;
    if (menuBar) menuBar->setBarOwner(hwnd_);
    tooltips_.create(hwnd_);
    form_.attachPeer(this);
    app_.attachPeer(this);
    return true;
}

void FormPeer::changed(ui::Change what) {
    if (!hwnd_ || syncing_) return;
    syncing_ = true;
    switch (what) {
        case ui::Change::Bounds: {
            const ui::Bounds& b = form_.bounds();
            SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case ui::Change::Visible:
            // The form style comes with this change too, so only a real change of visibility
            // shows or hides the window; the z-order is set every time.
            if (form_.visible() && !IsWindowVisible(hwnd_)) {
                if (!shownOnce_) {
                    // The window opens centred on the screen.
                    shownOnce_ = true;
                    RECT r;
                    GetWindowRect(hwnd_, &r);
                    const int w = r.right - r.left, h = r.bottom - r.top;
                    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                                 (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                }
                ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
            } else if (!form_.visible() && IsWindowVisible(hwnd_)) {
                ShowWindow(hwnd_, SW_HIDE);
            }
            SetWindowPos(hwnd_, form_.formStyle() == ui::FormStyle::StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0,
                         0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        case ui::Change::Caption:
            SetWindowTextA(hwnd_, form_.caption().c_str());
            break;
        default:
            break;
    }
    syncing_ = false;
    readBoundsBack();
}

void FormPeer::minimize() {
    if (hwnd_) ShowWindow(hwnd_, SW_MINIMIZE);
}

void FormPeer::restore() {
    if (hwnd_ && IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
}

void FormPeer::readBoundsBack() {
    if (!hwnd_ || IsIconic(hwnd_)) return;
    RECT r;
    GetWindowRect(hwnd_, &r);
    syncing_ = true;
    form_.setBounds({r.left, r.top, r.right - r.left, r.bottom - r.top});
    syncing_ = false;
}

LRESULT CALLBACK FormPeer::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<FormPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (!self->hwnd_) self->hwnd_ = hwnd;
    // No error may leave a window procedure: it lands in the standard error box.
    try {
        return self->handle(msg, wParam, lParam);
    } catch (const std::exception& e) {
        self->app_.showException(e);
    } catch (...) {
    }
    return 0;
}

LRESULT FormPeer::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (preHandler && preHandler(msg, wParam, lParam, result)) return result;
    if (msg == WM_NOTIFY) {
        NMHDR& hdr = *reinterpret_cast<NMHDR*>(lParam);
        if (tooltips_.answer(hdr)) return 0;
        if (hdr.code == TTN_GETDISPINFOA) {
            auto& info = reinterpret_cast<NMTTDISPINFOA&>(hdr);
            const char* text = nullptr;
            for (ToolBarPeer* bar : toolBars_)
                if (bar->tooltipText(hdr.idFrom, text)) {
                    info.lpszText = const_cast<char*>(text);
                    return 0;
                }
        }
    }
    if (ChildPeer::route(msg, wParam, lParam, result)) return result;
    switch (msg) {
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0) {
                const UINT id = LOWORD(wParam);
                if (menuBar_ && menuBar_->command(id)) return 0;
                for (MenuPeer* popup : popups_)
                    if (popup->command(id)) return 0;
            }
            break;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) {
                app_.peerMinimized(true);
            } else {
                app_.peerMinimized(false);
                if (!syncing_) {
                    readBoundsBack();
                    app_.dispatch([this] { form_.resized(); });
                }
            }
            return 0;
        case WM_MOVE:
            if (!syncing_) readBoundsBack();
            return 0;
        case WM_CLOSE:
            // The program's close sequence decides whether the window goes.
            app_.dispatch([this] { form_.close(); });
            return 0;
        case WM_ERASEBKGND:
            break;
    }
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

}  // namespace tesvar::win32
