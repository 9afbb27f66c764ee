#include "ui/CheckListBox.h"

#include "platform/Errors.h"

namespace tesvar::ui {

void CheckListBox::check(int index) const {
    if (index < 0 || index >= count()) throw ListIndexError(index);
}

const std::string& CheckListBox::text(int index) const {
    check(index);
    return items_[index].text;
}

bool CheckListBox::checked(int index) const {
    check(index);
    return items_[index].checked;
}

void CheckListBox::add(const std::string& text) { insert(count(), text); }

void CheckListBox::insert(int index, const std::string& text) {
    if (index < 0 || index > count()) throw ListIndexError(index);
    items_.insert(items_.begin() + index, Item{text, false, nextId_++});
    if (itemIndex_ >= index) ++itemIndex_;
    if (listPeer_) listPeer_->inserted(index);
}

void CheckListBox::remove(int index) {
    check(index);
    items_.erase(items_.begin() + index);
    // A list box drops its selection when the selected entry goes, and keeps
    // pointing at the same entry when one above it goes.
    if (itemIndex_ == index)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
    if (listPeer_) listPeer_->removed(index);
}

void CheckListBox::clear() {
    items_.clear();
    itemIndex_ = -1;
    if (listPeer_) listPeer_->cleared();
}

void CheckListBox::setText(int index, const std::string& text) {
    check(index);
    items_[index].text = text;
    if (listPeer_) listPeer_->textChanged(index);
}

void CheckListBox::setChecked(int index, bool checked) {
    check(index);
    if (items_[index].checked == checked) return;
    items_[index].checked = checked;
    if (listPeer_) listPeer_->checkChanged(index);
}

void CheckListBox::reorder(const std::vector<int>& order) {
    if (static_cast<int>(order.size()) != count()) throw ListIndexError(static_cast<int>(order.size()));
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int from : order) {
        check(from);
        sorted.push_back(items_[from]);
    }
    sorted.swap(items_);
    if (listPeer_) listPeer_->reordered();
}

unsigned long long CheckListBox::itemId(int index) const {
    check(index);
    return items_[index].id;
}

int CheckListBox::indexOfId(unsigned long long id) const {
    for (int i = 0; i < count(); ++i)
        if (items_[i].id == id) return i;
    return -1;
}

void CheckListBox::setItemIndex(int index) {
    if (index < -1 || index >= count()) throw ListIndexError(index);
    if (index == itemIndex_) return;
    itemIndex_ = index;
    if (listPeer_) listPeer_->selectionChanged();
}

void CheckListBox::setTopIndex(int index) {
    topIndex_ = index < 0 ? 0 : index;
    if (listPeer_) listPeer_->topIndexChanged();
}

int CheckListBox::itemAtPos(int /*x*/, int y) const {
    if (y < 0 || itemHeight_ <= 0) return -1;
    const int index = topIndex_ + y / itemHeight_;
    return index < count() ? index : -1;
}

void CheckListBox::rowCentre(int index, int& x, int& y) const {
    x = itemHeight_ + 8;
    y = (index - topIndex_) * itemHeight_ + itemHeight_ / 2;
}

void CheckListBox::userToggle(int index) {
    if (itemIndex_ != index) userSelect(index);
    setChecked(index, !checked(index));
    if (onClickCheck) onClickCheck();
}

void CheckListBox::userSelect(int index) {
    setItemIndex(index);
    if (onClick) onClick();
}

}  // namespace tesvar::ui
