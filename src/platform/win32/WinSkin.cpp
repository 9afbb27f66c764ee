#include "platform/win32/WinSkin.h"

#include <commctrl.h>

#include <cstring>
#include <exception>
#include <unordered_map>

namespace tesvar::win32 {

namespace {

// The skinned windows with their own procedures, kept in the process: window properties would
// do, but under Wine every GetProp is a round trip to the server, and each message to a
// skinned window needs the pair.
struct Skinned {
    WinSkin* skin;
    WNDPROC base;
};
std::unordered_map<HWND, Skinned>& skinned() {
    static std::unordered_map<HWND, Skinned> byWindow;
    return byWindow;
}
const char kPanelClass[] = "TPanel";

bool isClass(HWND hwnd, const char* name) {
    char buffer[64] = {};
    GetClassNameA(hwnd, buffer, sizeof buffer);
    return lstrcmpiA(buffer, name) == 0;
}

HBRUSH brushFor(int colour) {
    return colour == SkinLook::kNone ? nullptr : CreateSolidBrush(static_cast<COLORREF>(colour));
}

void freeObject(HGDIOBJ& object) {
    if (object) DeleteObject(object);
    object = nullptr;
}

}  // namespace

WinSkin::~WinSkin() { freeTools(); }

void WinSkin::freeTools() {
    for (HBRUSH* brush : {&windowFace_, &toolBarFace_, &menuFace_, &memoFace_, &listFace_})
        freeObject(reinterpret_cast<HGDIOBJ&>(*brush));
    freeObject(reinterpret_cast<HGDIOBJ&>(toolBarFont_));
}

void WinSkin::makeTools() {
    freeTools();
    windowFace_ = brushFor(look_.windowFace);
    toolBarFace_ = brushFor(look_.toolBarFace);
    menuFace_ = brushFor(look_.menuFace);
    memoFace_ = brushFor(look_.memoFace);
    listFace_ = brushFor(look_.listFace);
    if (!look_.toolBarFontName.empty())
        toolBarFont_ = CreateFontA(-look_.toolBarFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, look_.toolBarFontName.c_str());
}

// The skin is cosmetic: a file that is missing or cannot be read leaves the current look.
void WinSkin::setSkinFile(const std::string& path) {
    if (!files_.fileExists(path)) return;
    try {
        look_ = parseSkin(files_.readFile(path));
    } catch (const std::exception&) {
        return;
    }
    makeTools();
    // Windows already skinned take the new skin at once.
    if (active_ && main_) apply();
}

void WinSkin::activate() {
    if (active_) return;
    active_ = true;
    if (main_) apply();
}

void WinSkin::setMainWindow(HWND window) {
    main_ = window;
    if (active_ && main_) apply();
}

void WinSkin::apply() {
    subclass(main_);
    EnumChildWindows(main_, &WinSkin::skinChild, reinterpret_cast<LPARAM>(this));
    if (HMENU bar = GetMenu(main_)) {
        paintMenu(bar, true);
        DrawMenuBar(main_);
    }
    RedrawWindow(main_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

BOOL CALLBACK WinSkin::skinChild(HWND hwnd, LPARAM self) {
    auto* skin = reinterpret_cast<WinSkin*>(self);
    if (isClass(hwnd, kPanelClass)) {
        skin->subclass(hwnd);
    } else if (isClass(hwnd, TOOLBARCLASSNAMEA)) {
        skin->subclass(hwnd);
        if (skin->toolBarFont_) {
            SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(skin->toolBarFont_), TRUE);
            SendMessageA(hwnd, TB_AUTOSIZE, 0, 0);
        }
    }
    return TRUE;
}

void WinSkin::subclass(HWND hwnd) {
    if (skinned().count(hwnd)) return;
    // Entered before the switch, so no message reaches subclassProc unknown.
    Skinned& entry = skinned()[hwnd];
    entry.skin = this;
    entry.base = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WinSkin::subclassProc));
}

// Menus have no parent to ask; their background is a property of each HMENU.
void WinSkin::paintMenu(HMENU menu, bool withSubmenus) {
    if (!menuFace_) return;
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | (withSubmenus ? MIM_APPLYTOSUBMENUS : 0);
    info.hbrBack = menuFace_;
    SetMenuInfo(menu, &info);
}

LRESULT CALLBACK WinSkin::subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto it = skinned().find(hwnd);
    if (it == skinned().end() || !it->second.base) return DefWindowProcA(hwnd, msg, wParam, lParam);
    WinSkin* skin = it->second.skin;
    const WNDPROC base = it->second.base;
    if (msg == WM_NCDESTROY) {
        // The window goes: put its own procedure back before it handles its last message.
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
        skinned().erase(it);
        return CallWindowProcA(base, hwnd, msg, wParam, lParam);
    }
    LRESULT result = 0;
    if (skin && skin->paint(hwnd, msg, wParam, lParam, result)) return result;
    return CallWindowProcA(base, hwnd, msg, wParam, lParam);
}

// Answers the painting questions the skin has an answer for; everything else goes on to the
// window's own procedure.
bool WinSkin::paint(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    HWND child = reinterpret_cast<HWND>(lParam);
    switch (msg) {
        case WM_ERASEBKGND: {
            HBRUSH face = isClass(hwnd, TOOLBARCLASSNAMEA) ? toolBarFace_ : windowFace_;
            if (!face) return false;
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(dc, &r, face);
            result = 1;
            return true;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (isClass(child, "EDIT")) {
                if (!memoFace_ && look_.memoText == SkinLook::kNone) return false;
                const COLORREF back = memoFace_ ? static_cast<COLORREF>(look_.memoFace) : GetSysColor(COLOR_WINDOW);
                SetBkColor(dc, back);
                SetTextColor(dc, look_.memoText != SkinLook::kNone ? static_cast<COLORREF>(look_.memoText)
                                                                   : GetSysColor(COLOR_WINDOWTEXT));
                result = reinterpret_cast<LRESULT>(memoFace_ ? memoFace_ : GetSysColorBrush(COLOR_WINDOW));
                return true;
            }
            [[fallthrough]];
        case WM_CTLCOLORBTN:
            if (!windowFace_) return false;
            SetBkColor(dc, static_cast<COLORREF>(look_.windowFace));
            result = reinterpret_cast<LRESULT>(windowFace_);
            return true;
        case WM_CTLCOLORLISTBOX:
            if (!listFace_) return false;
            SetBkColor(dc, static_cast<COLORREF>(look_.listFace));
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            result = reinterpret_cast<LRESULT>(listFace_);
            return true;
        case WM_INITMENUPOPUP:
            // Popup menus (the tray menu, the list's context menu, submenus built at run time)
            // are painted as they open; the window still handles the message itself.
            paintMenu(reinterpret_cast<HMENU>(wParam), false);
            return false;
        case WM_NOTIFY: {
            auto* hdr = reinterpret_cast<NMHDR*>(lParam);
            if (hdr->code != NM_CUSTOMDRAW || look_.toolBarText == SkinLook::kNone ||
                !isClass(hdr->hwndFrom, TOOLBARCLASSNAMEA))
                return false;
            auto* draw = reinterpret_cast<NMTBCUSTOMDRAW*>(lParam);
            if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
                result = CDRF_NOTIFYITEMDRAW;
                return true;
            }
            if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
                draw->clrText = static_cast<COLORREF>(look_.toolBarText);
                result = CDRF_DODEFAULT;
                return true;
            }
            return false;
        }
    }
    return false;
}

}  // namespace tesvar::win32
