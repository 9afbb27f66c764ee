#include "ui/Menu.h"

#include "platform/Errors.h"

namespace tesvar::ui {

void MenuItem::setCaption(const std::string& c) {
    caption_ = c;
    if (auto* p = rootPeer()) p->changed(*this);
}

void MenuItem::setChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    if (auto* p = rootPeer()) p->changed(*this);
}

void MenuItem::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (auto* p = rootPeer()) p->changed(*this);
}

void MenuItem::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    if (auto* p = rootPeer()) p->changed(*this);
}

MenuItem& MenuItem::item(int index) const {
    if (index < 0 || index >= count()) throw ListIndexError(index);
    return *items_[index];
}

int MenuItem::menuIndex() const {
    if (!parent_) return -1;
    const auto& siblings = parent_->items_;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

MenuItem* MenuItem::find(const std::string& name) {
    if (name.empty()) return nullptr;
    if (name_ == name) return this;
    for (auto& child : items_)
        if (auto* found = child->find(name)) return found;
    return nullptr;
}

MenuItem& MenuItem::add(std::unique_ptr<MenuItem> item) { return insert(count(), std::move(item)); }

MenuItem& MenuItem::insert(int index, std::unique_ptr<MenuItem> item) {
    if (index < 0 || index > count()) throw ListIndexError(index);
    item->parent_ = this;
    MenuItem& ref = *item;
    items_.insert(items_.begin() + index, std::move(item));
    if (auto* p = rootPeer()) p->inserted(*this, index);
    return ref;
}

void MenuItem::remove(int index) {
    if (index < 0 || index >= count()) throw ListIndexError(index);
    if (auto* p = rootPeer()) p->removing(*this, index);
    items_.erase(items_.begin() + index);
}

void MenuItem::clear() {
    while (count() > 0) remove(count() - 1);
}

void MenuItem::click() {
    if (autoCheck_) setChecked(!checked_);
    if (onClick) onClick();
}

MenuPeer* MenuItem::rootPeer() {
    MenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->peer_;
}

}  // namespace tesvar::ui
