// tesvar-drive: drives a running tesvar.exe from outside, for end-to-end tests and scripts.
//
//   tesvar-drive.exe [--wait MS] REQUEST...
//
// Each argument is one request, carried out in order; the output of each goes to stdout as UTF-8.
//   any port request ("state", "click menusave", "close", ...)  sent to the program's automation
//                       port; its reply is printed on one line
//   sleep MS            sleeps
//   waitgone MS         waits until no TForm1 window exists; prints "gone" or "timeout"
//   window              {"visible":…,"caption":…} of the TForm1 window
//   listbox             the TForm1's list box items as one JSON array of strings
//   boxes               one JSON line per visible dialog box (#32770):
//                       {"caption":…,"texts":[Static texts],"buttons":[button texts]}
//   press CAPTION TEXT  clicks the button TEXT in the visible dialog box captioned CAPTION
//                       ("*" matches any caption; TEXT is the last word, '&' marks ignored)
//   waitbox CAPTION MS  waits until a dialog box captioned CAPTION is visible ("*": any);
//                       prints "box" or fails with "timeout"
//   type CAPTION TEXT   puts TEXT into the file-name box of the visible dialog box captioned
//                       CAPTION (a common open or save dialog; otherwise its first edit box);
//                       TEXT is the last word
// --wait MS is how long to look for the TForm1 window (default 5000).
// Exit code: 0 when every request succeeded, 1 at the first that failed (reason on stderr),
// 2 for a usage error.

// shellapi.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/JsonText.h"

namespace {

using tesvar::jsonString;

constexpr ULONG_PTR kPortTag = 0x54535652;  // "TSVR", the automation port's dwData
constexpr DWORD kReplyTimeoutMs = 5000;
constexpr DWORD kPollMs = 50;
// Reads of another program's controls are sent with a timeout so that a hung program makes the
// request fail instead of hanging the test run.
constexpr UINT kReadTimeoutMs = 2000;

struct Failure {
    std::string what;
};

std::string toUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr, nullptr);
    return out;
}

std::wstring fromUtf8(const std::string& text) {
    if (text.empty()) return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size);
    return out;
}

std::string jsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + jsonString(items[i]);
    return out + "]";
}

void printLine(const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

DWORD parseMs(const std::string& text, const char* what) {
    char* end = nullptr;
    unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0') throw Failure{std::string("bad number for ") + what + ": " + text};
    return static_cast<DWORD>(value);
}

std::wstring className(HWND hwnd) {
    wchar_t buf[256];
    int n = GetClassNameW(hwnd, buf, 256);
    return std::wstring(buf, n > 0 ? n : 0);
}

// WM_GETTEXT in W: the A form converts through the reader's code page and loses characters
// that a CJK program holds.
std::wstring windowText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReadTimeoutMs, &length)) return {};
    std::wstring buf(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&buf[0]), SMTO_ABORTIFHUNG,
                        kReadTimeoutMs, &copied);
    buf.resize(copied);
    return buf;
}

struct ChildSearch {
    const wchar_t* cls;
    std::vector<HWND> found;
};

// Enumeration callbacks are named functions: on i686 they must be __stdcall, which a lambda is not.
BOOL CALLBACK collectChild(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (lstrcmpiW(className(hwnd).c_str(), search->cls) == 0) search->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> children(HWND parent, const wchar_t* cls) {
    ChildSearch search{cls, {}};
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK collectDialogBox(HWND hwnd, LPARAM param) {
    if (IsWindowVisible(hwnd) && className(hwnd) == L"#32770")
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> visibleDialogBoxes() {
    std::vector<HWND> boxes;
    EnumWindows(collectDialogBox, reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

std::wstring withoutAccelerator(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        // "确定(&O)" style: a parenthesised accelerator after the text is dropped whole.
        if (text[i] == L'(' && i + 3 < text.size() && text[i + 1] == L'&' && text[i + 3] == L')') {
            i += 3;
            continue;
        }
        if (text[i] != L'&') out += text[i];
    }
    return out;
}

class Driver {
public:
    explicit Driver(DWORD waitMs) : waitMs_(waitMs) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Driver::replyProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TesvarDriveReply";
        RegisterClassW(&wc);
        // A message-only window: it receives the port's reply and is never seen.
        self_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        if (!self_) throw Failure{"cannot create the reply window"};
        SetWindowLongPtrW(self_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    void run(const std::string& request) {
        std::string verb = request.substr(0, request.find(' '));
        std::string rest = request.size() > verb.size() ? request.substr(verb.size() + 1) : std::string();
        if (verb == "sleep") {
            Sleep(parseMs(rest, "sleep"));
        } else if (verb == "waitgone") {
            waitGone(parseMs(rest, "waitgone"));
        } else if (verb == "window" && rest.empty()) {
            printWindow();
        } else if (verb == "listbox" && rest.empty()) {
            printListBox();
        } else if (verb == "boxes" && rest.empty()) {
            printBoxes();
        } else if (verb == "press") {
            press(rest);
        } else if (verb == "waitbox") {
            waitBox(rest);
        } else if (verb == "type") {
            type(rest);
        } else {
            printLine(askPort(request));
        }
    }

private:
    static LRESULT CALLBACK replyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_COPYDATA) {
            auto* self = reinterpret_cast<Driver*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (self && data && data->dwData == kPortTag) {
                self->reply_.assign(static_cast<const char*>(data->lpData), data->cbData);
                self->replied_ = true;
                return TRUE;
            }
            return FALSE;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }

    HWND mainWindow() const {
        DWORD start = GetTickCount();
        for (;;) {
            if (HWND hwnd = FindWindowA("TForm1", nullptr)) return hwnd;
            if (GetTickCount() - start >= waitMs_) throw Failure{"no TForm1 window"};
            Sleep(kPollMs);
        }
    }

    // The program answers "busy" to a read while actions it accepted earlier still wait in
    // its queue (a sent request overtakes posted ones); the read is asked again until they ran.
    std::string askPort(const std::string& request) {
        DWORD start = GetTickCount();
        for (;;) {
            std::string reply = askPortOnce(request);
            if (reply != "busy" || GetTickCount() - start >= kReplyTimeoutMs) return reply;
            Sleep(kPollMs);
        }
    }

    std::string askPortOnce(const std::string& request) {
        HWND target = mainWindow();
        replied_ = false;
        reply_.clear();
        COPYDATASTRUCT data{kPortTag, static_cast<DWORD>(request.size()), const_cast<char*>(request.data())};
        DWORD start = GetTickCount();
        DWORD_PTR result = 0;
        // SMTO_NORMAL lets this thread take the program's reply, which is sent to our window
        // while the program is still inside its WM_COPYDATA handler.
        SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(self_), reinterpret_cast<LPARAM>(&data),
                            SMTO_NORMAL, kReplyTimeoutMs, &result);
        while (!replied_) {
            DWORD spent = GetTickCount() - start;
            if (spent >= kReplyTimeoutMs) throw Failure{"no reply to \"" + request + "\""};
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kReplyTimeoutMs - spent, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        }
        return reply_;
    }

    void waitGone(DWORD ms) const {
        DWORD start = GetTickCount();
        while (FindWindowA("TForm1", nullptr)) {
            if (GetTickCount() - start >= ms) {
                printLine("timeout");
                throw Failure{"TForm1 still there after " + std::to_string(ms) + " ms"};
            }
            Sleep(kPollMs);
        }
        printLine("gone");
    }

    void printWindow() const {
        HWND hwnd = mainWindow();
        printLine(std::string("{\"visible\":") + (IsWindowVisible(hwnd) ? "true" : "false") +
                  ",\"caption\":" + jsonString(toUtf8(windowText(hwnd))) + "}");
    }

    // LB_GETTEXT in W: through SendMessageA, Wine hands back UTF-16 from an owner-drawn list box
    // of another process.
    void printListBox() const {
        std::vector<HWND> lists = children(mainWindow(), L"ListBox");
        if (lists.empty()) throw Failure{"TForm1 has no list box"};
        HWND list = lists.front();
        LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        if (count == LB_ERR) throw Failure{"LB_GETCOUNT failed"};
        std::vector<std::string> items;
        for (LRESULT i = 0; i < count; ++i) {
            LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
            if (length == LB_ERR) throw Failure{"LB_GETTEXTLEN failed for item " + std::to_string(i)};
            std::wstring text(length + 1, L'\0');
            LRESULT copied = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
            text.resize(copied == LB_ERR ? 0 : copied);
            items.push_back(toUtf8(text));
        }
        printLine(jsonArray(items));
    }

    static std::vector<std::string> nonEmptyTexts(HWND box, const wchar_t* cls) {
        std::vector<std::string> texts;
        for (HWND child : children(box, cls)) {
            std::wstring text = windowText(child);
            if (!text.empty()) texts.push_back(toUtf8(text));
        }
        return texts;
    }

    static void printBoxes() {
        for (HWND box : visibleDialogBoxes()) {
            printLine("{\"caption\":" + jsonString(toUtf8(windowText(box))) +
                      ",\"texts\":" + jsonArray(nonEmptyTexts(box, L"Static")) +
                      ",\"buttons\":" + jsonArray(nonEmptyTexts(box, L"Button")) + "}");
        }
    }

    static void press(const std::string& args) {
        size_t split = args.rfind(' ');
        if (split == std::string::npos) throw Failure{"press needs CAPTION BUTTONTEXT"};
        std::wstring caption = fromUtf8(args.substr(0, split));
        std::wstring button = withoutAccelerator(fromUtf8(args.substr(split + 1)));
        for (HWND box : visibleDialogBoxes()) {
            if (caption != L"*" && windowText(box) != caption) continue;
            for (HWND child : children(box, L"Button")) {
                if (IsWindowVisible(child) && withoutAccelerator(windowText(child)) == button) {
                    // Posted: the click ends a modal loop, and a sent BM_CLICK would wait for it.
                    PostMessageW(child, BM_CLICK, 0, 0);
                    printLine("pressed");
                    return;
                }
            }
        }
        throw Failure{"no visible box \"" + args.substr(0, split) + "\" with a button \"" + args.substr(split + 1) +
                      "\""};
    }

    static void waitBox(const std::string& args) {
        const size_t split = args.rfind(' ');
        if (split == std::string::npos) throw Failure{"waitbox needs CAPTION MS"};
        const std::wstring caption = fromUtf8(args.substr(0, split));
        const DWORD ms = parseMs(args.substr(split + 1), "waitbox");
        const DWORD start = GetTickCount();
        for (;;) {
            for (HWND box : visibleDialogBoxes()) {
                if (caption == L"*" || windowText(box) == caption) {
                    printLine("box");
                    return;
                }
            }
            if (GetTickCount() - start >= ms) {
                printLine("timeout");
                throw Failure{"no box \"" + args.substr(0, split) + "\" within " + std::to_string(ms) + " ms"};
            }
            Sleep(kPollMs);
        }
    }

    // The common file dialogs keep the file name in an edit box inside the combo box cmb13
    // (0x47C), or in the edit box edt1 (0x480) in their older form.
    static HWND fileNameBox(HWND box) {
        if (HWND combo = GetDlgItem(box, 0x47C)) {
            std::vector<HWND> edits = children(combo, L"Edit");
            if (!edits.empty()) return edits.front();
        }
        if (HWND edit = GetDlgItem(box, 0x480)) return edit;
        // An explorer-style dialog lays its controls on a child dialog.
        for (HWND inner : children(box, L"#32770")) {
            if (HWND combo = GetDlgItem(inner, 0x47C)) {
                std::vector<HWND> edits = children(combo, L"Edit");
                if (!edits.empty()) return edits.front();
            }
        }
        for (HWND edit : children(box, L"Edit"))
            if (IsWindowVisible(edit)) return edit;
        return nullptr;
    }

    static void type(const std::string& args) {
        const size_t split = args.rfind(' ');
        if (split == std::string::npos) throw Failure{"type needs CAPTION TEXT"};
        const std::wstring caption = fromUtf8(args.substr(0, split));
        const std::wstring text = fromUtf8(args.substr(split + 1));
        for (HWND box : visibleDialogBoxes()) {
            if (caption != L"*" && windowText(box) != caption) continue;
            HWND edit = fileNameBox(box);
            if (!edit) continue;
            DWORD_PTR result = 0;
            SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                                kReadTimeoutMs, &result);
            if (toUtf8(windowText(edit)) != args.substr(split + 1)) throw Failure{"the edit box did not take the text"};
            printLine("typed");
            return;
        }
        throw Failure{"no visible box \"" + args.substr(0, split) + "\" with an edit box"};
    }

    DWORD waitMs_;
    HWND self_ = nullptr;
    bool replied_ = false;
    std::string reply_;
};

}  // namespace

int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    int argc = 0;
    LPWSTR* argvW = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(toUtf8(argvW[i]));
    LocalFree(argvW);

    size_t first = 0;
    DWORD waitMs = 5000;
    try {
        if (args.size() >= 2 && args[0] == "--wait") {
            waitMs = parseMs(args[1], "--wait");
            first = 2;
        }
        if (first >= args.size()) {
            std::fputs("usage: tesvar-drive.exe [--wait MS] REQUEST...\n", stderr);
            return 2;
        }
        Driver driver(waitMs);
        for (size_t i = first; i < args.size(); ++i) driver.run(args[i]);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "tesvar-drive: %s\n", failure.what.c_str());
        return 1;
    }
    return 0;
}
