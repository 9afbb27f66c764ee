#include "ui/win32/MenuPeer.h"

namespace tesvar::win32 {

namespace {

// Command ids are 16 bits in WM_COMMAND, and generated items come and go by the
// thousand, so ids are handed back and reused.
class IdPool {
public:
    UINT take() {
        if (!free_.empty()) {
            const UINT id = free_.back();
            free_.pop_back();
            return id;
        }
        return next_++;
    }
    void give(UINT id) { free_.push_back(id); }

private:
    UINT next_ = 1000;
    std::vector<UINT> free_;
};

IdPool& ids() {
    static IdPool pool;
    return pool;
}

}  // namespace

// Captions are shown as they are: the program never marks accelerators, so an "&" in a file
// name must not turn the next character into one.
std::string menuText(const std::string& caption) {
    std::string text;
    text.reserve(caption.size());
    for (char c : caption) {
        text += c;
        if (c == '&') text += '&';
    }
    return text;
}

std::string shownMenuText(const std::string& text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

MenuPeer::MenuPeer(ui::Menu& menu, ui::Application& app, bool bar)
    : menu_(menu), app_(app), root_(bar ? CreateMenu() : CreatePopupMenu()) {
    ui::MenuItem& top = menu_.items();
    for (int i = 0; i < top.count(); ++i) addEntry(top, i);
    top.attachPeer(this);
}

MenuPeer::~MenuPeer() {
    menu_.items().attachPeer(nullptr);
    for (auto& [item, entry] : entries_) ids().give(entry.id);
    // A menu bar still set on its window is destroyed with the window.
    if (!barOwner_ || GetMenu(barOwner_) != root_) DestroyMenu(root_);
}

bool MenuPeer::present(const ui::MenuItem& item) const { return entries_.count(&item) != 0; }

HMENU MenuPeer::submenuOf(const ui::MenuItem& item) const {
    if (!item.parent()) return root_;
    auto it = entries_.find(&item);
    return it == entries_.end() ? nullptr : it->second.sub;
}

// The items before it that are in the HMENU: invisible items and reduced separators are not.
// Counted from the nearer end (the HMENU holds exactly the items present): the tray mirror
// grows and shrinks at its end, thousands of items at a time.
int MenuPeer::visiblePosition(const ui::MenuItem& parent, int index) const {
    const int count = parent.count();
    HMENU menu = submenuOf(parent);
    if (menu && index > count / 2) {
        int after = 0;
        for (int i = index; i < count; ++i)
            if (present(parent.item(i))) ++after;
        return GetMenuItemCount(menu) - after;
    }
    int pos = 0;
    for (int i = 0; i < index; ++i)
        if (present(parent.item(i))) ++pos;
    return pos;
}

bool MenuPeer::reduces(const ui::MenuItem& parent) const { return reduceSeparators_ && parent.parent() != nullptr; }

// Which children belong in the HMENU. In a reducing submenu a separator is left out when no
// entry stands before it, when it follows another separator, or when no entry follows it.
std::vector<bool> MenuPeer::wantedChildren(const ui::MenuItem& parent, int skip) const {
    const int n = parent.count();
    std::vector<bool> wanted(static_cast<size_t>(n), false);
    auto shown = [&](int i) { return i != skip && parent.item(i).visible(); };
    if (!reduces(parent)) {
        for (int i = 0; i < n; ++i) wanted[i] = shown(i);
        return wanted;
    }
    int lastEntry = -1;
    for (int i = 0; i < n; ++i)
        if (shown(i) && !parent.item(i).isSeparator()) lastEntry = i;
    bool afterEntry = false;
    for (int i = 0; i < n; ++i) {
        if (!shown(i)) continue;
        if (!parent.item(i).isSeparator()) {
            wanted[i] = true;
            afterEntry = true;
        } else if (afterEntry && i < lastEntry) {
            wanted[i] = true;
            afterEntry = false;
        }
    }
    return wanted;
}

bool MenuPeer::wanted(const ui::MenuItem& parent, int index) const {
    if (!reduces(parent)) return parent.item(index).visible();
    return wantedChildren(parent, -1)[static_cast<size_t>(index)];
}

// Puts in and takes out the children of a reducing submenu so that the HMENU holds exactly the
// wanted ones; `skip` is a child about to leave the model.
void MenuPeer::syncChildren(ui::MenuItem& parent, int skip) {
    if (!reduces(parent) || !present(parent)) return;
    const std::vector<bool> want = wantedChildren(parent, skip);
    for (int i = 0; i < parent.count(); ++i) {
        ui::MenuItem& child = parent.item(i);
        if (present(child) && (!want[i] || i == skip)) {
            DeleteMenu(submenuOf(parent), static_cast<UINT>(visiblePosition(parent, i)), MF_BYPOSITION);
            dropEntry(child);
        } else if (!present(child) && want[i]) {
            addEntry(parent, i);
        }
    }
}

void MenuPeer::setReduceSeparators(bool on) {
    reduceSeparators_ = on;
    std::vector<ui::MenuItem*> submenus;
    for (auto& [item, entry] : entries_)
        if (entry.sub) submenus.push_back(const_cast<ui::MenuItem*>(item));
    for (ui::MenuItem* submenu : submenus) syncChildren(*submenu);
}

int MenuPeer::positionOf(const ui::MenuItem& item) const {
    if (!present(item)) return -1;
    return visiblePosition(*item.parent(), item.menuIndex());
}

void MenuPeer::fillInfo(ui::MenuItem& item, MENUITEMINFOA& info, UINT mask, std::string& text) {
    info = MENUITEMINFOA{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    info.fType = item.isSeparator() ? MFT_SEPARATOR : MFT_STRING;
    info.fState = (item.checked() ? MFS_CHECKED : 0u) | (item.enabled() ? 0u : MFS_GRAYED);
    text = menuText(item.caption());
    info.dwTypeData = item.isSeparator() ? nullptr : &text[0];
}

void MenuPeer::addEntry(ui::MenuItem& parent, int index) {
    ui::MenuItem& item = parent.item(index);
    if (!wanted(parent, index)) return;
    HMENU into = submenuOf(parent);
    if (!into) return;
    Entry entry{ids().take(), item.count() > 0 ? CreatePopupMenu() : nullptr};
    MENUITEMINFOA info;
    std::string text;
    fillInfo(item, info, MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU, text);
    info.wID = entry.id;
    info.hSubMenu = entry.sub;
    InsertMenuItemA(into, static_cast<UINT>(visiblePosition(parent, index)), TRUE, &info);
    entries_[&item] = entry;
    byId_[entry.id] = &item;
    for (int i = 0; i < item.count(); ++i) addEntry(item, i);
}

void MenuPeer::dropEntry(ui::MenuItem& item) {
    auto it = entries_.find(&item);
    if (it == entries_.end()) return;
    for (int i = 0; i < item.count(); ++i) dropEntry(item.item(i));
    byId_.erase(it->second.id);
    ids().give(it->second.id);
    entries_.erase(it);
}

// Takes the item out of the HMENU and puts it back as the model now says (visible or
// not, plain item or submenu).
void MenuPeer::rebuildEntry(ui::MenuItem& item) {
    ui::MenuItem& parent = *item.parent();
    const int index = item.menuIndex();
    if (present(item)) {
        // DeleteMenu also destroys the item's submenu.
        DeleteMenu(submenuOf(parent), static_cast<UINT>(visiblePosition(parent, index)), MF_BYPOSITION);
        dropEntry(item);
    }
    addEntry(parent, index);
}

void MenuPeer::inserted(ui::MenuItem& parent, int index) {
    if (parent.parent() && present(parent) && !submenuOf(parent)) {
        rebuildEntry(parent);  // its first child turns the item into a submenu
    } else if (reduces(parent)) {
        syncChildren(parent);
    } else {
        addEntry(parent, index);
    }
    redrawBar();
}

void MenuPeer::removing(ui::MenuItem& parent, int index) {
    if (reduces(parent)) {
        syncChildren(parent, index);
        redrawBar();
        return;
    }
    ui::MenuItem& item = parent.item(index);
    if (!present(item)) return;
    DeleteMenu(submenuOf(parent), static_cast<UINT>(visiblePosition(parent, index)), MF_BYPOSITION);
    dropEntry(item);
    redrawBar();
}

void MenuPeer::changed(ui::MenuItem& item) {
    if (!item.parent()) return;
    ui::MenuItem& parent = *item.parent();
    if (present(item) != wanted(parent, item.menuIndex())) {
        if (reduces(parent))
            syncChildren(parent);
        else
            rebuildEntry(item);
    } else if (present(item)) {
        MENUITEMINFOA info;
        std::string text;
        fillInfo(item, info, MIIM_TYPE | MIIM_STATE, text);
        SetMenuItemInfoA(submenuOf(parent), static_cast<UINT>(positionOf(item)), TRUE, &info);
        if (reduces(parent)) syncChildren(parent);  // a caption may have turned into "-" or back
    }
    redrawBar();
}

void MenuPeer::redrawBar() {
    if (barOwner_) DrawMenuBar(barOwner_);
}

bool MenuPeer::command(UINT id) {
    auto it = byId_.find(id);
    if (it == byId_.end()) return false;
    ui::MenuItem* item = it->second;
    app_.dispatch([item] { item->click(); });
    return true;
}

bool MenuPeer::hasVisibleItems() const { return GetMenuItemCount(root_) > 0; }

void MenuPeer::track(HWND owner, POINT pt) {
    // Without the owner in front, the popup would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    TrackPopupMenu(root_, TPM_RIGHTBUTTON, pt.x, pt.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}

}  // namespace tesvar::win32
