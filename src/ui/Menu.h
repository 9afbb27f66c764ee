#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace tesvar::ui {

class MenuItem;

// Mirrors a menu tree; every change anywhere in the tree reaches the peer of its root.
class MenuPeer {
public:
    virtual ~MenuPeer() = default;
    virtual void inserted(MenuItem& parent, int index) = 0;
    virtual void removing(MenuItem& parent, int index) = 0;
    virtual void changed(MenuItem& item) = 0;
};

// A menu item; the root item of a menu holds its top-level items. A separator is an
// item whose caption is "-".
class MenuItem {
public:
    MenuItem(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    bool isSeparator() const { return caption_ == "-"; }

    bool checked() const { return checked_; }
    void setChecked(bool v);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    // An auto-check item toggles its own tick before OnClick runs.
    bool autoCheck() const { return autoCheck_; }
    void setAutoCheck(bool v) { autoCheck_ = v; }

    int count() const { return static_cast<int>(items_.size()); }
    MenuItem& item(int index) const;
    MenuItem* parent() const { return parent_; }
    // Position among the parent's items, -1 for a root.
    int menuIndex() const;
    // Depth-first search of this item's tree by name (the item itself included).
    MenuItem* find(const std::string& name);

    MenuItem& add(std::unique_ptr<MenuItem> item);
    MenuItem& insert(int index, std::unique_ptr<MenuItem> item);
    // Takes the item out of the menu and discards it.
    void remove(int index);
    void clear();

    // The user's choice of the item (or a program's).
    void click();
    Notify onClick;

    void attachPeer(MenuPeer* p) { peer_ = p; }
    MenuPeer* rootPeer();

private:
    std::string name_;
    std::string caption_;
    bool checked_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    bool autoCheck_ = false;
    MenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> items_;
    MenuPeer* peer_ = nullptr;  // only on roots
};

// A main menu or a popup menu: a named root item.
class Menu {
public:
    explicit Menu(std::string name) : name_(std::move(name)), items_(name_, "") {}
    const std::string& name() const { return name_; }
    MenuItem& items() { return items_; }
    const MenuItem& items() const { return items_; }
    MenuItem* find(const std::string& itemName) { return items_.find(itemName); }
    // A popup asks its peer to track the menu at the pointer; tests call this to see it open.
    Notify onPopup;

private:
    std::string name_;
    MenuItem items_;
};

}  // namespace tesvar::ui
