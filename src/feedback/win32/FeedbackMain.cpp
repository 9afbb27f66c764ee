// 用户反馈表.exe: the feedback form that ships beside Tesvar. The user fills in a few fields;
// "保存反馈..." writes them to a text file and then offers to open a mail to the author with
// the same text, so the feedback is kept even when no mail program is set up.

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <string>

#include "feedback/Feedback.h"
#include "help/Links.h"
#include "ui/win32/Text.h"

namespace {

using tesvar::feedback::Feedback;

const char kClassName[] = "TFeedbackForm";
const char kTitle[] = "Kestrom_用户反馈表";
// ShellExecute hands a URL to the mail program through a command line of about 2000 characters.
constexpr size_t kMaxMailtoLength = 1900;

enum ControlId : int {
    kNameEdit = 101,
    kContactEdit,
    kSubjectEdit,
    kMessageEdit,
    kSaveButton = IDOK,
    kCloseButton = IDCANCEL,
};

struct Layout {
    const char* className;
    const char* text;
    int id;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;
};

// Client area 460 x 420.
const Layout kControls[] = {
    {"STATIC", "请填写下面的表格。按“保存反馈...”把反馈存成文本文件，然后可以用邮件把它发给作者。", 0, SS_LEFT, 0, 12,
     10, 436, 34},
    {"STATIC", "称呼：", 0, SS_LEFT, 0, 12, 54, 120, 18},
    {"EDIT", "", kNameEdit, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 160, 50, 288, 22},
    {"STATIC", "联系方式（邮箱/QQ）：", 0, SS_LEFT, 0, 12, 84, 146, 18},
    {"EDIT", "", kContactEdit, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 160, 80, 288, 22},
    {"STATIC", "主题：", 0, SS_LEFT, 0, 12, 114, 120, 18},
    {"EDIT", "", kSubjectEdit, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 160, 110, 288, 22},
    {"STATIC", "反馈内容（问题、建议都欢迎）：", 0, SS_LEFT, 0, 12, 144, 300, 18},
    {"EDIT", "", kMessageEdit, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE, 12, 164, 436, 206},
    {"BUTTON", "保存反馈...", kSaveButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 256, 382, 100, 28},
    {"BUTTON", "关闭", kCloseButton, BS_PUSHBUTTON | WS_TABSTOP, 0, 364, 382, 84, 28},
};

HWND gWindow = nullptr;
HFONT gFont = nullptr;
bool gUnsaved = false;

std::string controlText(int id) {
    HWND control = GetDlgItem(gWindow, id);
    const int n = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(n) + 1, '\0');
    GetWindowTextA(control, &text[0], n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

int ask(const std::string& text, UINT flags) { return MessageBoxA(gWindow, text.c_str(), kTitle, flags); }

std::string programFolder() {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    const size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

std::string localTime(const char* format) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    char buffer[32];
    wsprintfA(buffer, format, t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return buffer;
}

std::string systemErrorText(DWORD code) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = text ? text : "";
    if (text) LocalFree(text);
    return result.empty() ? "错误 " + std::to_string(code) : result;
}

// Written to a temporary file in the same folder that then takes the chosen name, so a failed
// save never leaves half a file in place of an older one.
DWORD writeWhole(const std::string& path, const std::string& bytes) {
    const size_t slash = path.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash);
    char temp[MAX_PATH] = {};
    if (!GetTempFileNameA(folder.c_str(), "fb", 0, temp)) return GetLastError();
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        DeleteFileA(temp);
        return error;
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file);
    DWORD error = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (!error && !MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        error = GetLastError();
    if (error) DeleteFileA(temp);
    return error;
}

void offerMail(const Feedback& feedback, const std::string& savedPath) {
    const std::string address = tesvar::linkAddress(tesvar::Link::Mail);
    if (ask("反馈已经保存在：\r\n" + savedPath + "\r\n\r\n现在用邮件程序把它发给作者（" + address + "）吗？",
            MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    using tesvar::win32::ansiToUtf8;
    const std::string subject = "Tesvar2.0 用户反馈" + (feedback.subject.empty() ? "" : "：" + feedback.subject);
    const std::string body =
        "称呼：" + feedback.name + "\r\n联系方式：" + feedback.contact + "\r\n\r\n" + feedback.message;
    const std::string url =
        tesvar::feedback::mailtoUrl(address, ansiToUtf8(subject), ansiToUtf8(body), kMaxMailtoLength,
                                    ansiToUtf8("\r\n……（内容太长，完整的反馈在保存的文件里）"));
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(gWindow, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        ask("没有找到邮件程序。请把保存的文件作为附件发到 " + address + "，谢谢！", MB_OK | MB_ICONINFORMATION);
}

void save() {
    const Feedback feedback{controlText(kNameEdit), controlText(kContactEdit), controlText(kSubjectEdit),
                            controlText(kMessageEdit)};
    if (feedback.message.find_first_not_of(" \t\r\n") == std::string::npos) {
        ask("请先填写反馈内容。", MB_OK | MB_ICONINFORMATION);
        SetFocus(GetDlgItem(gWindow, kMessageEdit));
        return;
    }
    char path[MAX_PATH] = {};
    lstrcpynA(path, tesvar::feedback::defaultFileName(localTime("%04u%02u%02u_%02u%02u%02u")).c_str(), MAX_PATH);
    const std::string folder = programFolder();
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // also understood by Windows 95 and NT 4
    dialog.hwndOwner = gWindow;
    dialog.lpstrFilter = "文本文件 (*.txt)\0*.txt\0所有文件 (*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrDefExt = "txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&dialog)) return;
    const std::string text = tesvar::feedback::feedbackText(feedback, localTime("%04u-%02u-%02u %02u:%02u:%02u"));
    if (const DWORD error = writeWhole(path, text)) {
        ask(std::string("无法保存到 ") + path + "：\r\n" + systemErrorText(error), MB_OK | MB_ICONERROR);
        return;
    }
    gUnsaved = false;
    offerMail(feedback, path);
}

void closeForm() {
    if (gUnsaved && ask("反馈还没有保存。确定要关闭吗？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    DestroyWindow(gWindow);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kSaveButton:
                    save();
                    return 0;
                case kCloseButton:  // also Escape, through the dialog manager
                    closeForm();
                    return 0;
                default:
                    if (HIWORD(wParam) == EN_CHANGE) gUnsaved = true;
                    return 0;
            }
        case WM_CLOSE:
            closeForm();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool createForm(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return false;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 460, 420};
    AdjustWindowRect(&frame, style, FALSE);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    gWindow = CreateWindowExA(0, kClassName, kTitle, style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                              (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr, instance,
                              nullptr);
    if (!gWindow) return false;
    gFont = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
    for (const Layout& c : kControls) {
        HWND control =
            CreateWindowExA(c.exStyle, c.className, c.text, c.style | WS_CHILD | WS_VISIBLE, c.left, c.top, c.width,
                            c.height, gWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (!control) return false;
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(gFont), FALSE);
    }
    // Filling in the edits above counted as changes.
    gUnsaved = false;
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    if (!createForm(instance)) {
        MessageBoxA(nullptr, "无法创建窗口。", kTitle, MB_ICONERROR);
        return 1;
    }
    ShowWindow(gWindow, show);
    SetFocus(GetDlgItem(gWindow, kNameEdit));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab moves between the fields; Enter in a one-line field presses "保存反馈...".
        if (IsDialogMessageA(gWindow, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (gFont) DeleteObject(gFont);
    return static_cast<int>(msg.wParam);
}
