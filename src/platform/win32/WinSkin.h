#pragma once
#include <windows.h>

#include <string>

#include "platform/FileSystem.h"
#include "platform/Skin.h"

namespace tesvar::win32 {

// Skins the real windows: the main window and its panels, the tool bar, the edit box, the
// list and the menus take the skin's colours (and the tool bar its font) by answering the
// messages in which a window asks its parent how to paint a child. The windows are reached by
// subclassing the main window and the containers inside it.
class WinSkin : public Skin {
public:
    explicit WinSkin(FileSystem& files) : files_(files) {}
    ~WinSkin() override;
    WinSkin(const WinSkin&) = delete;
    WinSkin& operator=(const WinSkin&) = delete;

    void setSkinFile(const std::string& path) override;
    void activate() override;
    // The main window is created after the platform; skinning reaches it, and every window
    // inside it, once it is handed in here.
    void setMainWindow(HWND window);

private:
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static BOOL CALLBACK skinChild(HWND hwnd, LPARAM self);
    bool paint(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void apply();
    void subclass(HWND hwnd);
    void paintMenu(HMENU menu, bool withSubmenus);
    void makeTools();
    void freeTools();

    FileSystem& files_;
    SkinLook look_;
    bool active_ = false;
    HWND main_ = nullptr;
    HBRUSH windowFace_ = nullptr;
    HBRUSH toolBarFace_ = nullptr;
    HBRUSH menuFace_ = nullptr;
    HBRUSH memoFace_ = nullptr;
    HBRUSH listFace_ = nullptr;
    HFONT toolBarFont_ = nullptr;
};

}  // namespace tesvar::win32
