#pragma once
#include "ui/CheckListBox.h"
#include "ui/Menu.h"
#include "ui/win32/ChildPeer.h"

namespace tesvar::win32 {

class MenuPeer;

// The check list: an owner-drawn LISTBOX that keeps its strings (so other programs can
// read them) and each row's tick in its item data (1 when ticked).
class ListBoxPeer : public ChildPeer, public ui::ListPeer {
public:
    ListBoxPeer(ui::CheckListBox& model, ui::Application& app) : ChildPeer(model, app), list_(model) {}
    ~ListBoxPeer() override;
    void create(HWND parent);
    // The context menu shown on a right click.
    void setContextMenu(MenuPeer* menu) { contextMenu_ = menu; }

    void inserted(int index) override;
    void removed(int index) override;
    void cleared() override;
    void textChanged(int index) override;
    void checkChanged(int index) override;
    void selectionChanged() override;
    void topIndexChanged() override;
    void reordered() override;
    void changed(ui::Change what) override;

    // Paints the changes made since the last message at once, instead of when the list next
    // reads its queue.
    void flushDeferredRedraw();

    void onCommand(WORD code, WORD id) override;
    bool onDrawItem(DRAWITEMSTRUCT& dis) override;

private:
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
    int checkBoxWidth() const;
    void dragFrom(int x, int y);
    void syncTopIndex();
    void insertRow(int index);
    LRESULT send(UINT msg, WPARAM wParam, LPARAM lParam);
    void deferRedraw();

    ui::CheckListBox& list_;
    WNDPROC baseProc_ = nullptr;
    MenuPeer* contextMenu_ = nullptr;
    int designedItemHeight_ = 0;
    bool redrawDeferred_ = false;
};

}  // namespace tesvar::win32
