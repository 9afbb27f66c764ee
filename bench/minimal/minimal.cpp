// The floor for start-up: the least a Win32 program does to show a main window. Built with the
// same compiler, flags and static runtime as tesvar.exe, and started the same way.
//
// Built a second time with TESVAR_IMPORTS: then it also imports the system DLLs tesvar.exe
// imports, carries its manifest (common controls 6) and initialises COM and the common
// controls as tesvar.exe does first of all; the difference between the two shows what loading
// those DLLs costs by itself.

#include <windows.h>
#ifdef TESVAR_IMPORTS
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <objbase.h>
#include <shlobj.h>
#endif

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

#ifdef TESVAR_IMPORTS
// Never true: the calls only make the linker import each DLL, as tesvar.exe's calls do.
volatile bool importOnly = false;
void importTheProgramsDlls() {
    if (!importOnly) return;
    OPENFILENAMEA ofn{};
    GetOpenFileNameA(&ofn);
    sndPlaySoundA(nullptr, 0);
    DeleteObject(nullptr);
    SHGetSpecialFolderLocation(nullptr, 0, nullptr);
    RegCloseKey(nullptr);
}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
#ifdef TESVAR_IMPORTS
    importTheProgramsDlls();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
#endif
    WNDCLASSA wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "TesvarMinimal";
    if (!RegisterClassA(&wc)) return 1;
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 691,
                                525, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
