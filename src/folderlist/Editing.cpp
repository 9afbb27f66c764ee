// Editing the list in place: ticks, deletions, the sort and drag and drop, and the entry
// echo under the list.

#include <algorithm>
#include <numeric>

#include "app/Form1.h"

namespace tesvar {

void TForm1::mu_quanzeClick() {
    for (int i = 0; i < CheckListBox1.count(); ++i) CheckListBox1.setChecked(i, true);
}

void TForm1::mu_fanzeClick() {
    for (int i = 0; i < CheckListBox1.count(); ++i) CheckListBox1.setChecked(i, !CheckListBox1.checked(i));
}

void TForm1::N55Click() {
    for (int i = 0; i < CheckListBox1.count(); ++i) CheckListBox1.setChecked(i, false);
}

void TForm1::N28Click() {
    const int i = CheckListBox1.itemIndex();
    if (CheckListBox1.count() == 0 || i < 0) return;
    CheckListBox1.setHint(std::string());
    Memo1.clear();
    removeEntryAt(i);
    if (i < CheckListBox1.count()) CheckListBox1.setItemIndex(i);
}

void TForm1::N27Click() {
    CheckListBox1.setHint(std::string());
    Memo1.clear();
    const int n = CheckListBox1.count();
    if (n == 0) return;
    int i = 0;
    for (int step = 0; step < n; ++step) {
        if (!CheckListBox1.checked(i))
            removeEntryAt(i);  // the next entry moves up to i
        else
            ++i;
    }
}

void TForm1::qinkongliebiaoClick() {
    if (CheckListBox1.count() == 0) return;
    const int answer = messageBox("你确信全部删除吗?", "全部删除", mb::kOkCancel | mb::kIconQuestion | mb::kSystemModal,
                                  BoxOwner::None);
    if (answer != mb::kIdOk) return;
    CheckListBox1.setHint(std::string());
    Memo1.clear();
    playCue("C:\\WINDOWS\\MEDIA\\chimes.wav");
    const int n = CheckListBox1.count();
    CheckListBox1.clear();
    state.currentListFile.clear();
    state.savedListFile.clear();
    clearTrayMirror(n);
}

// Sorts by text without regard to case. Each tick and the selection travel with their
// entry; the first visible row stays.
void TForm1::N42Click() {
    const int n = CheckListBox1.count();
    if (n == 0) return;
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    // Compared by the system's sort keys, made once per entry: the order is compareText's.
    std::vector<std::string> keys;
    keys.reserve(order.size());
    for (int i = 0; i < n; ++i) keys.push_back(platform_.system.sortKey(CheckListBox1.text(i)));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    const int selected = CheckListBox1.itemIndex();
    const int top = CheckListBox1.topIndex();
    CheckListBox1.reorder(order);
    int newSelected = -1;
    for (int row = 0; row < n; ++row)
        if (order[row] == selected) newSelected = row;
    CheckListBox1.setItemIndex(newSelected);
    CheckListBox1.setTopIndex(top);
    rebuildTrayMirror();
}

void TForm1::CheckListBox1Click() {
    const int i = CheckListBox1.itemIndex();
    if (i < 0) return;
    CheckListBox1.setHint(CheckListBox1.text(i));
    Memo1.setText(CheckListBox1.text(i));
}

// Shift range ticking: a tick with Shift held ticks everything from the anchor to the
// toggled entry. The range is cut at the last entry when the list has shrunk below the anchor.
void TForm1::CheckListBox1ClickCheck() {
    const int i = CheckListBox1.itemIndex();
    if (i < 0) return;
    const bool ticked = CheckListBox1.checked(i);
    if (!state.shiftHeld) {
        state.rangeAnchor = ticked ? i : 0;
    } else if (ticked) {
        const int from = std::min(state.rangeAnchor, i);
        const int to = std::min(std::max(state.rangeAnchor, i), CheckListBox1.count() - 1);
        for (int k = from; k <= to; ++k) CheckListBox1.setChecked(k, true);
        state.shiftHeld = kClear;
    }
}

void TForm1::CheckListBox1KeyDown(ui::ShiftState shift) {
    if (shift.onlyShift()) state.shiftHeld = kSet;
}

void TForm1::CheckListBox1KeyUp() { state.shiftHeld = kClear; }

void TForm1::CheckListBox1StartDrag(int x, int y) { state.dragStartIndex = CheckListBox1.itemAtPos(x, y); }

bool TForm1::CheckListBox1DragOver(const void* source) { return source == &CheckListBox1; }

void TForm1::CheckListBox1DragDrop(int x, int y) {
    if (state.dragStartIndex == -1) return;
    const int s = CheckListBox1.itemIndex();
    const int t = CheckListBox1.itemAtPos(x, y);
    if (s == t || s == -1 || t == -1) return;
    moveEntry(s, t);
}

void TForm1::CheckListBox1MouseUp() {}

void TForm1::Button2Click() { Memo1.clear(); }

}  // namespace tesvar
