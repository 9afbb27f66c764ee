#include "ui/win32/ImagePeer.h"

namespace tesvar::win32 {

namespace {
const char kImageClass[] = "TImage";
}

void ImagePeer::create(HWND parent) {
    WNDCLASSA wc{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), kImageClass, &wc)) {
        wc.lpfnWndProc = &ImagePeer::windowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kImageClass;
        RegisterClassA(&wc);
    }
    ChildPeer::create(kImageClass, 0, 0, parent);
}

void ImagePeer::changed(ui::Change what) {
    if (what == ui::Change::Text && hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
    ChildPeer::changed(what);
}

LRESULT CALLBACK ImagePeer::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (auto* self = static_cast<ImagePeer*>(ChildPeer::of(hwnd))) self->paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The pixels are a top-down 32-bit DIB already (a negative height says top-down). HALFTONE
// averages the pixels a shrink drops, where the default mode would just skip them.
void ImagePeer::paint(HDC dc) {
    const Bitmap& picture = image_.picture();
    if (picture.empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    RECT r;
    GetClientRect(hwnd_, &r);
    const int width = image_.stretch() ? r.right - r.left : picture.width;
    const int height = image_.stretch() ? r.bottom - r.top : picture.height;
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, 0, 0, width, height, 0, 0, picture.width, picture.height, picture.pixels.data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace tesvar::win32
