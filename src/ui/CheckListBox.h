#pragma once
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

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);

    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int h) { itemHeight_ = h; }

    void attachListPeer(ListPeer* p) { listPeer_ = p; }

    // Events, raised by the peer (or a test) for the user's actions.
    Notify onClick;       // the selection was set by the user
    Notify onDblClick;
    Notify onClickCheck;  // the user toggled a tick box

    // The user toggles the tick box of entry index, as a click on the box does.
    void userToggle(int index);
    // The user selects entry index (a click on its text).
    void userSelect(int index);

private:
    struct Item {
        std::string text;
        bool checked = false;
    };
    void check(int index) const;

    std::vector<Item> items_;
    int itemIndex_ = -1;
    int itemHeight_ = 20;
    ListPeer* listPeer_ = nullptr;
};

}  // namespace tesvar::ui
