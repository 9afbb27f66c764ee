#include "app/win32/MainWindow.h"

namespace tesvar::win32 {

namespace {
constexpr int kIconId = 1;
constexpr int kToolBarBitmapId = 2;
constexpr int kDeleteUntickedBitmapId = 3;
constexpr int kDeleteAllBitmapId = 4;
}  // namespace

MainWindow::MainWindow(TForm1& form, ui::Application& app)
    : form_(form),
      app_(app),
      mainMenu_(form.MainMenu1, app, true),
      popup1_(form.PopupMenu1, app, false),
      popup2_(form.PopupMenu2, app, false),
      formPeer_(form, app),
      toolBar_(form.ToolBar1, app, kToolBarBitmapId),
      panel1_(form.Panel1, app),
      panel2_(form.Panel2, app),
      panel3_(form.Panel3, app),
      panel4_(form.Panel4, app),
      list_(form.CheckListBox1, app),
      memo_(form.Memo1, app),
      button2_(form.Button2, app),
      bitBtn1_(form.BitBtn1, app, kDeleteUntickedBitmapId),
      bitBtn3_(form.BitBtn3, app, kDeleteAllBitmapId) {}

MainWindow::~MainWindow() { form_.PopupMenu2.onPopup = nullptr; }

bool MainWindow::create() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    icon_ = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(kIconId), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    PanelPeer::registerClass();
    formPeer_.preHandler = [this](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return preHandle(msg, wParam, lParam, result);
    };
    if (!formPeer_.create("TForm1", icon_, &mainMenu_)) return false;
    formPeer_.addPopup(&popup1_);
    formPeer_.addPopup(&popup2_);
    popup2_.setReduceSeparators(true);
    formPeer_.addToolBar(&toolBar_);

    HWND main = formPeer_.hwnd();
    toolBar_.create(main);
    panel1_.create(main);
    list_.create(panel1_.hwnd());
    list_.setContextMenu(&popup1_);
    panel2_.create(panel1_.hwnd());
    memo_.create(panel2_.hwnd());
    panel3_.create(panel2_.hwnd());
    button2_.create(panel3_.hwnd());
    panel4_.create(main);
    bitBtn1_.create(panel4_.hwnd());
    bitBtn3_.create(panel4_.hwnd());
    for (ChildPeer* peer : std::initializer_list<ChildPeer*>{&list_, &button2_, &bitBtn1_, &bitBtn3_})
        formPeer_.tooltips().add(*peer);

    HICON small = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kIconId), IMAGE_ICON, 16, 16, LR_SHARED));
    tray_ = std::make_unique<TrayIconPeer>(form_.CnTrayIcon1, app_, main, small ? small : icon_);
    form_.PopupMenu2.onPopup = [this] {
        POINT pt;
        GetCursorPos(&pt);
        popup2_.track(hwnd(), pt);
    };
    return true;
}

bool MainWindow::preHandle(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (tray_ && tray_->handle(msg, wParam, lParam)) {
        result = 0;
        return true;
    }
    switch (msg) {
        case WM_COPYDATA: {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (data->dwData != 0x54535652) return false;
            const std::string request(static_cast<const char*>(data->lpData), data->cbData);
            const std::string reply = answer(request);
            COPYDATASTRUCT back{};
            back.dwData = 0x54535652;
            back.cbData = static_cast<DWORD>(reply.size());
            back.lpData = const_cast<char*>(reply.data());
            SendMessageA(reinterpret_cast<HWND>(wParam), WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd()),
                         reinterpret_cast<LPARAM>(&back));
            result = TRUE;
            return true;
        }
        case kRunAction:
            if (!actions_.empty()) {
                const std::string action = actions_.front();
                actions_.pop_front();
                ++actionRunning_;
                runAction(action);
                --actionRunning_;
            }
            result = 0;
            return true;
    }
    return false;
}

}  // namespace tesvar::win32
