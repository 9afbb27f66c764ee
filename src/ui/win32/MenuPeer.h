#pragma once
// Turns a menu model into a real HMENU and keeps it in step. Invisible items are left
// out of the HMENU, as the toolkit's menus do, so an item's position in the HMENU is the
// number of visible items before it.

#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "ui/Application.h"
#include "ui/Menu.h"

namespace tesvar::win32 {

// A caption as an HMENU string: every "&" doubled, so it shows as itself.
std::string menuText(const std::string& caption);
// The text Windows shows for an HMENU string: "&&" shows "&", a single "&" shows nothing.
std::string shownMenuText(const std::string& text);

class MenuPeer : public ui::MenuPeer {
public:
    // A menu bar when `bar` is true, else a popup menu.
    MenuPeer(ui::Menu& menu, ui::Application& app, bool bar);
    ~MenuPeer() override;
    MenuPeer(const MenuPeer&) = delete;
    MenuPeer& operator=(const MenuPeer&) = delete;

    HMENU handle() const { return root_; }
    // The window whose menu bar this is; it is redrawn after changes.
    void setBarOwner(HWND hwnd) { barOwner_ = hwnd; }
    // Runs the item's click through the application's dispatch; false when the id is not ours.
    bool command(UINT id);
    // Shows the popup at a screen point for the owner window and returns when it closes.
    void track(HWND owner, POINT pt);
    bool hasVisibleItems() const;
    // Leaves redundant separators out of the submenus (not the top level): leading ones,
    // doubled ones and trailing ones, as a tray menu shows them.
    void setReduceSeparators(bool on);

    // For reading the real menu back: the HMENU an item's children live in (the root's
    // for the root), null when the item is not in the HMENU.
    HMENU submenuOf(const ui::MenuItem& item) const;
    // The item's position in its parent's HMENU, -1 when it is not there.
    int positionOf(const ui::MenuItem& item) const;

    void inserted(ui::MenuItem& parent, int index) override;
    void removing(ui::MenuItem& parent, int index) override;
    void changed(ui::MenuItem& item) override;

private:
    struct Entry {
        UINT id;
        HMENU sub;  // null for a plain item
    };
    bool present(const ui::MenuItem& item) const;
    int visiblePosition(const ui::MenuItem& parent, int index) const;
    bool reduces(const ui::MenuItem& parent) const;
    std::vector<bool> wantedChildren(const ui::MenuItem& parent, int skip) const;
    bool wanted(const ui::MenuItem& parent, int index) const;
    void syncChildren(ui::MenuItem& parent, int skip = -1);
    void addEntry(ui::MenuItem& parent, int index);
    void dropEntry(ui::MenuItem& item);
    void rebuildEntry(ui::MenuItem& item);
    void fillInfo(ui::MenuItem& item, MENUITEMINFOA& info, UINT mask, std::string& text);
    void redrawBar();

    ui::Menu& menu_;
    ui::Application& app_;
    HMENU root_;
    HWND barOwner_ = nullptr;
    bool reduceSeparators_ = false;
    std::unordered_map<const ui::MenuItem*, Entry> entries_;
    std::unordered_map<UINT, ui::MenuItem*> byId_;
};

}  // namespace tesvar::win32
