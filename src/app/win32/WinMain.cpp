#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/Form1.h"
#include "app/win32/MainWindow.h"
#include "help/AboutBox.h"
#include "help/win32/AboutBoxWindow.h"
#include "platform/win32/WinPlatform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The folder browser and the shell-link object need a single-threaded apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    tesvar::win32::WinPlatform platform;
    tesvar::ui::Application app(platform.dialogs);
    app.setTitle("Tesvar2.0");
    int exitCode = 0;
    {
        tesvar::TForm1 form(platform.platform, app);
        tesvar::win32::MainWindow window(form, app);
        if (!window.create()) {
            MessageBoxA(nullptr, "Cannot create the main window.", "Tesvar2.0", MB_ICONERROR);
            return 1;
        }
        platform.dialogs.setApplicationWindow(window.hwnd());
        platform.dialogs.setMainWindow(window.hwnd());
        platform.shell.setMainWindow(window.hwnd());
        platform.desktop.setMainWindow(window.hwnd());
        platform.skin.setMainWindow(window.hwnd());
        platform.clipboard.setOwner(window.hwnd());
        // The about box comes after the main window and goes before it: the main window owns it.
        tesvar::TAboutBox aboutBox(platform.platform);
        tesvar::win32::AboutBoxWindow aboutWindow(aboutBox, app);
        if (aboutWindow.create(window.hwnd())) {
            form.AboutBox = &aboutBox;
            platform.shell.setAboutBox(aboutWindow.hwnd());
        }
        if (!app.terminated()) {
            app.dispatch([&form] { form.show(); });
            // The loop also ends on the application's own flag: a quit message posted while a
            // menu or a box runs its modal loop can be eaten by that loop.
            MSG msg{};
            while (!app.terminated() && GetMessageA(&msg, nullptr, 0, 0) > 0) {
                if (aboutWindow.preTranslate(msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            exitCode = app.terminated() ? 0 : static_cast<int>(msg.wParam);
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
