#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace tesvar::ui {

class ListPeer {
public:
    virtual ~ListPeer() = default;
    virtual void inserted(int index) = 0;
    virtual void removed(int index) = 0;
    virtual void cleared() = 0;
    virtual void textChanged(int index) = 0;
    virtual void checkChanged(int index) = 0;
    virtual void selectionChanged() = 0;
    virtual void topIndexChanged() = 0;
    // The entries were put in a new order (texts and ticks moved; the selection follows).
    virtual void reordered() = 0;
};

// The checkable list: entries with a tick mark each, single selection (-1 for none).
class CheckListBox : public Control {
public:
    using Control::Control;

    int count() const { return static_cast<int>(items_.size()); }
    // Throws ListIndexError for an index outside the entries, as the toolkit's lists do.
    const std::string& text(int index) const;
    bool checked(int index) const;

    void add(const std::string& text);
    void insert(int index, const std::string& text);
    void remove(int index);
    void clear();
    void setText(int index, const std::string& text);
    void setChecked(int index, bool checked);
    // Puts the entries in a new order: row k takes the entry that stood at order[k]. Each
    // entry keeps its text, tick and identity.
    void reorder(const std::vector<int>& order);

    // A number that stays with an entry while it is in the list, and is never reused.
    unsigned long long itemId(int index) const;
    // The current position of the entry with that identity, -1 when it is gone.
    int indexOfId(unsigned long long id) const;

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);

    // The first row shown.
    int topIndex() const { return topIndex_; }
    void setTopIndex(int index);
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int h) { itemHeight_ = h; }

    void attachListPeer(ListPeer* p) { listPeer_ = p; }

    // Events, raised by the peer (or a test) for the user's actions.
    Notify onClick;  // the selection was set by the user
    Notify onDblClick;
    Notify onClickCheck;  // the user toggled a tick box

    std::function<void(ShiftState)> onKeyDown;
    Notify onKeyUp;
    Notify onMouseUp;
    // A drag of an entry starts at a press point; a drop lands at a point. Both in the
    // list's own coordinates.
    std::function<void(int x, int y)> onStartDrag;
    std::function<bool(const void* source)> onDragOver;
    std::function<void(int x, int y)> onDragDrop;

    // The entry at a point of the list, -1 below the last one.
    int itemAtPos(int x, int y) const;
    // The centre of an entry's row, in the list's coordinates (index = count(): the row below).
    void rowCentre(int index, int& x, int& y) const;

    // The user toggles the tick box of entry index, as a click on the box does (the click
    // selects the entry first).
    void userToggle(int index);
    // The user selects entry index (a click on its text).
    void userSelect(int index);

private:
    struct Item {
        std::string text;
        bool checked = false;
        unsigned long long id = 0;
    };
    void check(int index) const;

    std::vector<Item> items_;
    int itemIndex_ = -1;
    int itemHeight_ = 20;
    int topIndex_ = 0;
    unsigned long long nextId_ = 1;
    ListPeer* listPeer_ = nullptr;
};

}  // namespace tesvar::ui
