// explorer-recorder: stands in for Explorer in end-to-end tests. Copied over
// C:\windows\system32\explorer.exe of a test prefix (and loaded as native there), it appends one
// JSON line per start to explorer-calls.log beside itself, in UTF-8:
//   {"commandLine":"…","show":N}
// where show is the show state the starting program asked for (-1: none), then ends at once.
//
//   explorer-recorder.exe --keep-desktop
// instead keeps a hidden window open until it is ended: Wine's desktop process, which must be
// running before the recorder takes Explorer's place, lives as long as windows are open on it.

#include <windows.h>

#include <string>

namespace {

std::string toUtf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

std::string jsonString(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

int keepDesktop(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"TesvarDesktopKeeper";
    RegisterClassW(&wc);
    if (!CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr)) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    if (lstrcmpW(arguments, L"--keep-desktop") == 0) return keepDesktop(instance);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::string line =
        "{\"commandLine\":" + jsonString(toUtf8(GetCommandLineW())) + ",\"show\":" + std::to_string(show) + "}\n";

    wchar_t log[MAX_PATH + 32];
    const DWORD length = GetModuleFileNameW(nullptr, log, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    wchar_t* slash = log + length;
    while (slash > log && slash[-1] != L'\\') --slash;
    lstrcpyW(slash, L"explorer-calls.log");
    // Several starts may come at once (a batch open): the append is one write, and a start that
    // finds the log opened by another waits its turn.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE file = CreateFileW(log, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return 0;
        }
        Sleep(10);
    }
    return 1;
}
