// Writes a Windows shortcut file through the shell's own shortcut object, so the file is what
// Windows itself would write. Run under Wine by tools/make-shortcuts.sh.
//   mklink.exe SHORTCUT.lnk TARGET [DESCRIPTION]
// Arguments are read in UTF-16, so Chinese names come through whatever the code page.

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 3) {
        std::fprintf(stderr, "usage: mklink SHORTCUT.lnk TARGET [DESCRIPTION]\n");
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    int rc = 1;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        link->SetPath(argv[2]);
        if (argc > 3) link->SetDescription(argv[3]);
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Save(argv[1], TRUE))) rc = 0;
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    LocalFree(argv);
    if (rc != 0) std::fprintf(stderr, "mklink: could not write the shortcut\n");
    return rc;
}
