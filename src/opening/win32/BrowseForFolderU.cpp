#include "opening/win32/BrowseForFolderU.h"

#include <objbase.h>
#include <shlobj.h>

namespace tesvar::win32 {

namespace {
// The callback gets no context of ours, so the starting folder waits here for it.
std::string startingFolder;
constexpr UINT kReturnOnlyFsDirs = 0x1;
constexpr UINT kNewDialogStyle = 0x40;
}  // namespace

int CALLBACK BrowseInitCallback(HWND window, UINT message, LPARAM, LPARAM) {
    if (message == BFFM_INITIALIZED)
        SendMessageA(window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(startingFolder.c_str()));
    return 0;
}

std::string BrowseFolderDialog(const std::string& title, const std::string& startFolder) {
    startingFolder = startFolder;
    char path[MAX_PATH + 1] = {};
    BROWSEINFOA info{};
    info.hwndOwner = nullptr;
    info.pidlRoot = nullptr;
    info.pszDisplayName = path;
    info.lpszTitle = title.c_str();
    info.ulFlags = kReturnOnlyFsDirs | kNewDialogStyle;
    info.lpfn = startFolder.empty() ? nullptr : &BrowseInitCallback;
    info.lParam = 0;
    LPITEMIDLIST pidl = SHBrowseForFolderA(&info);
    if (!pidl) return std::string();
    std::string result;
    if (SHGetPathFromIDListA(pidl, path)) result = path;
    CoTaskMemFree(pidl);
    return result;
}

}  // namespace tesvar::win32
