// The open, save and font dialogs, and the folder browser.

#include <windows.h>

#include <commdlg.h>

#include <vector>

#include "opening/win32/BrowseForFolderU.h"
#include "platform/win32/WinPlatform.h"

namespace tesvar::win32 {

namespace {

// A colour of the toolkit: negative values name a system colour by its index.
COLORREF toColorRef(int color) {
    if (color < 0) return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color);
}

bool fileDialog(HWND owner, FileDialogRequest& request, bool save) {
    char name[MAX_PATH * 4] = {};
    request.fileName.copy(name, sizeof name - 1);
    // The filter is a description only; the dialog lists the files it describes.
    std::string filter = request.filter;
    filter.push_back('\0');
    filter += "*." + request.filter;
    filter.push_back('\0');
    filter.push_back('\0');
    OPENFILENAMEA ofn{};
    // The structure as every Windows version accepts it.
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name;
    ofn.nMaxFile = sizeof name;
    ofn.lpstrInitialDir = request.initialDir.empty() ? nullptr : request.initialDir.c_str();
    ofn.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
    BOOL ok = FALSE;
    {
        const ModalSpan modal;
        ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    }
    if (!ok) return false;
    request.fileName = name;
    return true;
}

}  // namespace

bool WinDialogs::openFile(FileDialogRequest& request) {
    return fileDialog(ownerFor(BoxOwner::MainWindow), request, false);
}

bool WinDialogs::saveFile(FileDialogRequest& request) {
    return fileDialog(ownerFor(BoxOwner::MainWindow), request, true);
}

bool WinDialogs::chooseFont(FontChoice& font) {
    LOGFONTA lf{};
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    lf.lfHeight = -MulDiv(font.size, dpi, 72);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikeOut;
    lf.lfCharSet = static_cast<BYTE>(font.charset);
    font.name.copy(lf.lfFaceName, LF_FACESIZE - 1);
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = ownerFor(BoxOwner::MainWindow);
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    cf.rgbColors = toColorRef(font.color);
    BOOL chosen = FALSE;
    {
        const ModalSpan modal;
        chosen = ChooseFontA(&cf);
    }
    if (!chosen) return false;
    font.name = lf.lfFaceName;
    font.size = cf.iPointSize / 10;
    font.color = static_cast<int>(cf.rgbColors);
    font.bold = lf.lfWeight >= FW_BOLD;
    font.italic = lf.lfItalic != 0;
    font.underline = lf.lfUnderline != 0;
    font.strikeOut = lf.lfStrikeOut != 0;
    font.charset = lf.lfCharSet;
    return true;
}

std::string WinDialogs::browseForFolder(const std::string& title, const std::string& startFolder) {
    const ModalSpan modal;
    return BrowseFolderDialog(title, startFolder);
}

}  // namespace tesvar::win32
