// The automation port: other programs (the end-to-end tests among them) read the real
// window's state and act as the user would, through WM_COPYDATA requests in UTF-8.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/win32/MainWindow.h"
#include "ui/JsonText.h"
#include "ui/win32/Text.h"

namespace tesvar::win32 {

namespace {

std::string text(const std::string& ansi) { return jsonString(ansiToUtf8(ansi)); }
const char* boolean(bool b) { return b ? "true" : "false"; }

std::string windowText(HWND h) {
    const int n = GetWindowTextLengthA(h);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    GetWindowTextA(h, &s[0], n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

// Bounds relative to the parent's client area, as the controls are laid out.
std::string boundsJson(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return "{\"left\":" + std::to_string(r.left) + ",\"top\":" + std::to_string(r.top) +
           ",\"width\":" + std::to_string(r.right - r.left) + ",\"height\":" + std::to_string(r.bottom - r.top) + "}";
}

// One menu item as the real HMENU shows it; names and hidden items come from the model,
// since an HMENU knows neither.
std::string menuItemJson(const MenuPeer& peer, const ui::MenuItem& item) {
    std::string caption = item.caption();
    bool checked = item.checked(), enabled = item.enabled(), separator = item.isSeparator();
    const int pos = peer.positionOf(item);
    if (pos >= 0) {
        HMENU parent = peer.submenuOf(*item.parent());
        char buf[1024] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE | MIIM_STATE;
        info.dwTypeData = buf;
        info.cch = sizeof buf - 1;
        if (GetMenuItemInfoA(parent, static_cast<UINT>(pos), TRUE, &info)) {
            separator = (info.fType & MFT_SEPARATOR) != 0;
            caption = separator ? "-" : shownMenuText(buf);
            checked = (info.fState & MFS_CHECKED) != 0;
            enabled = (info.fState & MFS_GRAYED) == 0;
        }
    }
    std::string out = "{\"name\":" + text(item.name()) + ",\"caption\":" + text(caption) +
                      ",\"checked\":" + boolean(checked) + ",\"visible\":" + boolean(pos >= 0) +
                      ",\"enabled\":" + boolean(enabled) + ",\"separator\":" + boolean(separator) + ",\"items\":[";
    for (int i = 0; i < item.count(); ++i) {
        if (i) out += ",";
        out += menuItemJson(peer, item.item(i));
    }
    return out + "]}";
}

std::string menuJson(const MenuPeer& peer, const ui::Menu& menu) {
    std::string out = "[";
    for (int i = 0; i < menu.items().count(); ++i) {
        if (i) out += ",";
        out += menuItemJson(peer, menu.items().item(i));
    }
    return out + "]";
}

std::vector<std::string> words(const std::string& s) {
    std::vector<std::string> w;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        const size_t start = i;
        while (i < s.size() && s[i] != ' ') ++i;
        if (i > start) w.push_back(s.substr(start, i - start));
    }
    return w;
}

bool toInt(const std::string& s, int& v) {
    if (s.empty()) return false;
    char* end = nullptr;
    const long n = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0') return false;
    v = static_cast<int>(n);
    return true;
}

}  // namespace

std::string MainWindow::stateJson() {
    HWND lb = list_.hwnd();
    std::string out = "{\"list\":[";
    const int n = static_cast<int>(SendMessageA(lb, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        const int len = static_cast<int>(SendMessageA(lb, LB_GETTEXTLEN, i, 0));
        std::string s(static_cast<size_t>(len < 0 ? 0 : len) + 1, '\0');
        const int got = static_cast<int>(SendMessageA(lb, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&s[0])));
        s.resize(got < 0 ? 0 : static_cast<size_t>(got));
        if (i) out += ",";
        out += "{\"text\":" + text(s) + ",\"checked\":" + boolean(SendMessageA(lb, LB_GETITEMDATA, i, 0) == 1) + "}";
    }
    out += "],\"selected\":" + std::to_string(static_cast<int>(SendMessageA(lb, LB_GETCURSEL, 0, 0)));
    out += ",\"memo\":" + text(windowText(memo_.hwnd()));
    out += ",\"hint\":" + text(form_.CheckListBox1.hint());
    out += ",\"menus\":{\"MainMenu1\":" + menuJson(mainMenu_, form_.MainMenu1) +
           ",\"PopupMenu1\":" + menuJson(popup1_, form_.PopupMenu1) +
           ",\"PopupMenu2\":" + menuJson(popup2_, form_.PopupMenu2) + "}";
    out += ",\"state\":{";
    bool first = true;
    for (const StateField& f : describeState(form_.state)) {
        if (!first) out += ",";
        first = false;
        out += jsonString(f.name) + ":" + (f.isText ? text(f.text) : std::to_string(f.number));
    }
    RECT r{};
    GetWindowRect(hwnd(), &r);
    out += std::string("},\"window\":{\"width\":") + std::to_string(r.right - r.left) +
           ",\"height\":" + std::to_string(r.bottom - r.top) +
           ",\"topmost\":" + boolean((GetWindowLongA(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) +
           ",\"minimized\":" + boolean(IsIconic(hwnd())) + ",\"visible\":" + boolean(IsWindowVisible(hwnd())) +
           ",\"Panel1\":" + boundsJson(panel1_.hwnd()) + ",\"Panel4\":" + boundsJson(panel4_.hwnd()) +
           ",\"CheckListBox1\":" + boundsJson(list_.hwnd()) + ",\"Memo1\":" + boundsJson(memo_.hwnd()) + "}";
    out += std::string(",\"tray\":{\"active\":") + boolean(tray_ && tray_->shown()) +
           ",\"autoHide\":" + boolean(form_.CnTrayIcon1.autoHide()) + "}}";
    return out;
}

std::string MainWindow::answer(const std::string& request) {
    const std::string req = utf8ToAnsi(request);
    // A read waits until the actions accepted before it have run.
    if (req == "state") return actions_.empty() ? stateJson() : "busy";
    // These two also wait for an action still running, e.g. behind its modal box, whose message
    // loop answers requests meanwhile: "idle" tells a requester that everything it asked is done.
    const bool idle = actions_.empty() && !actionRunning_;
    if (req == "timing") return idle ? timingJson() : "busy";
    if (req == "idle") return idle ? "idle" : "busy";
    std::vector<std::string> w = words(req);
    // "time ACTION" is the action itself, timed when it runs.
    if (!w.empty() && w[0] == "time") w.erase(w.begin());
    if (w.empty()) return "error: empty request";
    int a = 0, b = 0;
    bool valid = false;
    if (w[0] == "click" && w.size() == 2) {
        const std::string& target = w[1];
        const size_t slash = target.rfind('/');
        if (slash != std::string::npos) {
            ui::MenuItem* parent = nullptr;
            for (ui::Menu* m : {&form_.MainMenu1, &form_.PopupMenu1, &form_.PopupMenu2})
                if (!parent) parent = m->find(target.substr(0, slash));
            valid = parent && toInt(target.substr(slash + 1), a) && a >= 0 && a < parent->count();
        } else {
            bool found = false;
            for (ui::Menu* m : {&form_.MainMenu1, &form_.PopupMenu1, &form_.PopupMenu2})
                found |= m->find(target) != nullptr;
            for (ui::Control* c : form_.controls()) found |= c->name() == target;
            valid = found;
        }
    } else if (w[0] == "tray" && w.size() == 2) {
        valid = toInt(w[1], a) && a >= 0 && form_.state.trayFirstIndex + a < form_.PopupMenu2.items().count();
    } else if (w[0] == "trayicon" && w.size() == 2) {
        valid = w[1] == "click";
    } else if (w[0] == "list" && w.size() >= 2) {
        const int count = form_.CheckListBox1.count();
        if (w[1] == "select" || w[1] == "check")
            valid = w.size() == 3 && toInt(w[2], a) && a >= 0 && a < count;
        else if (w[1] == "dblclick")
            valid = w.size() == 2;
        else if (w[1] == "key")
            valid = w.size() == 3 && (w[2] == "shift-down" || w[2] == "shift-up");
        else if (w[1] == "drag")
            valid = w.size() == 4 && toInt(w[2], a) && toInt(w[3], b) && a >= 0 && a < count && b >= -1 && b < count;
    } else if (w[0] == "close" && w.size() == 1) {
        valid = true;
    }
    if (!valid) return "error: unknown or malformed request: " + request;
    actions_.push_back(req);
    PostMessageA(hwnd(), kRunAction, 0, 0);
    return "ok";
}

// The latest timed action: how long the program worked on it, from the start of its handler
// until the windows had repainted the result, without the time its modal boxes and dialogs
// waited for the user (reported beside it).
std::string MainWindow::timingJson() const {
    if (timing_.action.empty()) return "error: no action was timed";
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, ",\"ms\":%.3f,\"modalMs\":%.3f}", timing_.ms, timing_.modalMs);
    return "{\"action\":" + text(timing_.action) + numbers;
}

void MainWindow::runTimed(const std::string& action) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    const long long modalBefore = modalTicks();
    QueryPerformanceCounter(&start);
    runAction(action);
    // The user sees the result only once the list and the rest have repainted.
    list_.flushDeferredRedraw();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    QueryPerformanceCounter(&end);
    const long long modal = modalTicks() - modalBefore;
    const double perMs = static_cast<double>(frequency.QuadPart) / 1000.0;
    timing_.action = action;
    timing_.ms = static_cast<double>(end.QuadPart - start.QuadPart - modal) / perMs;
    timing_.modalMs = static_cast<double>(modal) / perMs;
}

// Runs a queued action exactly as the user's action would run.
void MainWindow::runAction(const std::string& action) {
    const std::vector<std::string> w = words(action);
    int a = 0;
    if (w[0] == "time") {
        std::string inner;
        for (size_t i = 1; i < w.size(); ++i) inner += (i > 1 ? " " : "") + w[i];
        runTimed(inner);
        return;
    }
    if (w[0] == "click") {
        const size_t slash = w[1].rfind('/');
        if (slash != std::string::npos) {
            ui::MenuItem* parent = nullptr;
            for (ui::Menu* m : {&form_.MainMenu1, &form_.PopupMenu1, &form_.PopupMenu2})
                if (!parent) parent = m->find(w[1].substr(0, slash));
            if (parent && toInt(w[1].substr(slash + 1), a) && a < parent->count()) {
                ui::MenuItem* item = &parent->item(a);
                app_.dispatch([item] { item->click(); });
            }
            return;
        }
        for (ui::Menu* m : {&form_.MainMenu1, &form_.PopupMenu1, &form_.PopupMenu2})
            if (ui::MenuItem* item = m->find(w[1])) {
                app_.dispatch([item] { item->click(); });
                return;
            }
        for (ui::Control* c : form_.controls())
            if (c->name() == w[1])
                if (auto* button = dynamic_cast<ui::Button*>(c)) app_.dispatch([button] { button->click(); });
    } else if (w[0] == "tray") {
        toInt(w[1], a);
        ui::MenuItem& top = form_.PopupMenu2.items();
        const int index = form_.state.trayFirstIndex + a;
        if (index < top.count()) {
            ui::MenuItem* item = &top.item(index);
            app_.dispatch([item] { item->click(); });
        }
    } else if (w[0] == "trayicon") {
        app_.dispatch([this] { form_.CnTrayIcon1.leftClick(); });
    } else if (w[0] == "list") {
        ui::CheckListBox& list = form_.CheckListBox1;
        if (w[1] == "select" && toInt(w[2], a) && a < list.count())
            app_.dispatch([&list, a] { list.userSelect(a); });
        else if (w[1] == "check" && toInt(w[2], a) && a < list.count())
            app_.dispatch([&list, a] { list.userToggle(a); });
        else if (w[1] == "dblclick")
            app_.dispatch([&list] {
                if (list.onDblClick) list.onDblClick();
            });
        else if (w[1] == "key" && w[2] == "shift-down")
            app_.dispatch([&list] {
                ui::ShiftState shift;
                shift.shift = true;
                if (list.onKeyDown) list.onKeyDown(shift);
            });
        else if (w[1] == "key" && w[2] == "shift-up")
            app_.dispatch([&list] {
                if (list.onKeyUp) list.onKeyUp();
            });
        else if (w[1] == "drag" && toInt(w[2], a) && a < list.count()) {
            int b = -1;
            toInt(w[3], b);
            // Press on entry a (which selects it), drop on entry b or below the last one.
            int x = 0, y = 0, dx = 0, dy = 0;
            list.rowCentre(a, x, y);
            list.rowCentre(b < 0 || b >= list.count() ? list.count() : b, dx, dy);
            app_.dispatch([&list, a] { list.userSelect(a); });
            app_.dispatch([&list, x, y] {
                if (list.onStartDrag) list.onStartDrag(x, y);
            });
            app_.dispatch([&list, dx, dy] {
                if (list.onDragOver && list.onDragOver(&list) && list.onDragDrop) list.onDragDrop(dx, dy);
            });
        }
    } else if (w[0] == "close") {
        PostMessageA(hwnd(), WM_CLOSE, 0, 0);
    }
}

}  // namespace tesvar::win32
