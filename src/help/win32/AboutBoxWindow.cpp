#include "help/win32/AboutBoxWindow.h"

#include <exception>

namespace tesvar::win32 {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
}

AboutBoxWindow::AboutBoxWindow(TAboutBox& box, ui::Application& app)
    : box_(box),
      app_(app),
      panel_(box.Panel1, app),
      programIcon_(box.ProgramIcon, app),
      productName_(box.ProductName, app),
      version_(box.Version, app),
      label1_(box.Label1, app),
      comments_(box.Comments, app),
      okButton_(box.OKButton, app) {}

AboutBoxWindow::~AboutBoxWindow() {
    box_.attachPeer(nullptr);
    if (window_) SetWindowLongPtrA(window_.get(), DWLP_USER, 0);
}

bool AboutBoxWindow::create(HWND owner) {
    // An in-memory dialog template without controls: style, no menu, the standard dialog
    // class, an empty title. The peers make the controls, as they do in the main window.
    alignas(4) WORD templateWords[16] = {};
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(templateWords);
    dialog->style = kStyle;
    HWND hwnd = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog, owner, &AboutBoxWindow::dialogProc,
                                           reinterpret_cast<LPARAM>(this));
    if (!hwnd) return false;
    window_.reset(hwnd);
    SetWindowTextA(hwnd, box_.caption().c_str());

    // The designed client area, centred on the screen.
    RECT frame{0, 0, TAboutBox::kClientWidth, TAboutBox::kClientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)));
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    tooltips_.create(hwnd);
    PanelPeer::registerClass();
    panel_.create(hwnd);
    programIcon_.create(panel_.hwnd());
    productName_.create(panel_.hwnd());
    version_.create(panel_.hwnd());
    label1_.create(panel_.hwnd());
    comments_.create(panel_.hwnd());
    okButton_.create(hwnd);
    // The dialog manager presses the button with IDOK on Enter.
    SetWindowLongPtrA(okButton_.hwnd(), GWLP_ID, IDOK);
    SendMessageA(hwnd, DM_SETDEFID, IDOK, 0);
    for (ChildPeer* peer : std::initializer_list<ChildPeer*>{&productName_, &version_, &comments_})
        tooltips_.add(*peer);
    box_.attachPeer(this);
    readBoundsBack();
    return true;
}

bool AboutBoxWindow::preTranslate(MSG& msg) {
    return window_ && IsWindowVisible(window_.get()) && IsDialogMessageA(window_.get(), &msg);
}

void AboutBoxWindow::changed(ui::Change what) {
    HWND hwnd = window_.get();
    if (!hwnd || syncing_) return;
    switch (what) {
        case ui::Change::Visible:
            ShowWindow(hwnd, box_.visible() ? SW_SHOW : SW_HIDE);
            break;
        case ui::Change::Focus:
            // Brings the box, shown already, in front of whatever covers it.
            if (box_.visible()) SetForegroundWindow(hwnd);
            break;
        case ui::Change::Caption:
            SetWindowTextA(hwnd, box_.caption().c_str());
            break;
        default:
            break;
    }
}

void AboutBoxWindow::readBoundsBack() {
    RECT r;
    if (!GetWindowRect(window_.get(), &r)) return;
    syncing_ = true;
    box_.setBounds({r.left, r.top, r.right - r.left, r.bottom - r.top});
    syncing_ = false;
}

INT_PTR CALLBACK AboutBoxWindow::dialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        return FALSE;
    }
    auto* self = reinterpret_cast<AboutBoxWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    // No error may leave a window procedure: it lands in the standard error box.
    try {
        return self->handle(msg, wParam, lParam);
    } catch (const std::exception& e) {
        self->app_.showException(e);
    } catch (...) {
    }
    return TRUE;
}

INT_PTR AboutBoxWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = window_.get();
    if (msg == WM_NOTIFY && tooltips_.answer(*reinterpret_cast<NMHDR*>(lParam))) return TRUE;
    LRESULT result = 0;
    if (ChildPeer::route(msg, wParam, lParam, result)) {
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    switch (msg) {
        case WM_CLOSE:
            // The close box asks the model, which only hides the box.
            app_.dispatch([this] { box_.close(); });
            return TRUE;
        case WM_MOVE:
            if (!syncing_ && hwnd) readBoundsBack();
            return FALSE;
    }
    return FALSE;
}

}  // namespace tesvar::win32
