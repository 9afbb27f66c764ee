// The real skin and the version inputs against the real system (run under Wine).

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/WinPlatform.h"
#include "ui/win32/ControlPeers.h"

namespace tesvar::testing {
namespace {

TEST(SystemInfoTest, WindowsVersion_AgreesWithTheOldVersionCall) {
    win32::WinSystemInfo system;
    const WindowsVersion v = system.windowsVersion();
    // GetVersion packs the same numbers: major in the low byte, minor in the next, and the
    // top bit clear on the NT family.
    const DWORD packed = GetVersion();
    EXPECT_EQ(v.major, LOBYTE(LOWORD(packed)));
    EXPECT_EQ(v.minor, HIBYTE(LOWORD(packed)));
    EXPECT_EQ(v.platformId == 2, (packed & 0x80000000u) == 0);
}

COLORREF brushColour(LRESULT brush) {
    LOGBRUSH info{};
    GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof info, &info);
    return info.lbColor;
}

// A main window with a menu bar, a panel, and inside the panel an edit box and a list box: the
// shapes the skin meets in the program.
class SkinTest : public ::testing::Test {
protected:
    HWND main = nullptr;
    HWND panel = nullptr;
    HWND edit = nullptr;
    HWND list = nullptr;
    std::string folder;

    void SetUp() override {
        win32::PanelPeer::registerClass();
        main = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, CreateMenu(), nullptr,
                               nullptr);
        AppendMenuA(GetMenu(main), MF_STRING, 1, "item");
        panel =
            CreateWindowExA(0, "TPanel", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, main, nullptr, nullptr, nullptr);
        edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, panel, nullptr, nullptr, nullptr);
        list =
            CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE, 0, 30, 100, 50, panel, nullptr, nullptr, nullptr);
        ASSERT_TRUE(main && panel && edit && list);
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "皮肤" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override {
        DestroyWindow(main);
        DeleteFileA((folder + "\\skin.skn").c_str());
        RemoveDirectoryA(folder.c_str());
    }
    std::string putSkin(const std::string& bytes) {
        const std::string path = folder + "\\skin.skn";
        win32::WinFileSystem().writeFile(path, bytes);
        return path;
    }
    // What the panel answers when a child asks how to paint itself.
    COLORREF askedColour(UINT message, HWND child, COLORREF* text = nullptr) {
        HDC dc = GetDC(child);
        const LRESULT brush =
            SendMessageA(panel, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
        if (text) *text = GetTextColor(dc);
        ReleaseDC(child, dc);
        return brushColour(brush);
    }
    // The colour the window paints its background with.
    COLORREF erasedColour(HWND window) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        const COLORREF colour = GetPixel(dc, 1, 1);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return colour;
    }
};

TEST_F(SkinTest, Activated_WindowsAnswerWithTheSkinsColours) {
    win32::WinFileSystem files;
    win32::WinSkin skin(files);
    skin.setSkinFile(putSkin(
        "[window]\r\nface = #102030\r\n[memo]\r\nface = #405060\r\ntext = #708090\r\n[list]\r\nface = #A0B0C0\r\n"
        "[menu]\r\nface = #C0D0E0\r\n"));
    skin.activate();  // before the main window exists: it takes effect when the window comes
    skin.setMainWindow(main);

    COLORREF text = 0;
    EXPECT_EQ(askedColour(WM_CTLCOLOREDIT, edit, &text), RGB(0x40, 0x50, 0x60));
    EXPECT_EQ(text, RGB(0x70, 0x80, 0x90));
    EXPECT_EQ(askedColour(WM_CTLCOLORLISTBOX, list), RGB(0xA0, 0xB0, 0xC0));
    EXPECT_EQ(erasedColour(main), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(erasedColour(panel), RGB(0x10, 0x20, 0x30));
    MENUINFO menu{};
    menu.cbSize = sizeof menu;
    menu.fMask = MIM_BACKGROUND;
    ASSERT_TRUE(GetMenuInfo(GetMenu(main), &menu));
    EXPECT_EQ(brushColour(reinterpret_cast<LRESULT>(menu.hbrBack)), RGB(0xC0, 0xD0, 0xE0));
}

TEST_F(SkinTest, MissingFile_LeavesTheStandardLook) {
    win32::WinFileSystem files;
    win32::WinSkin skin(files);
    skin.setSkinFile(folder + "\\none.skn");
    skin.setMainWindow(main);
    skin.activate();
    EXPECT_EQ(askedColour(WM_CTLCOLOREDIT, edit), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(erasedColour(panel), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
}  // namespace tesvar::testing
