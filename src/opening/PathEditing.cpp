// Adding a folder and changing an entry's path through the shell's folder browser.

#include "app/Form1.h"

namespace tesvar {

void TForm1::tianjiamuluClick() {
    CheckListBox1.setHint(std::string());
    Memo1.clear();
    state.pendingEntry = platform_.dialogs.browseForFolder("添加目录全路径，请选择一个目录", state.lastBrowseDir);
    if (state.pendingEntry.empty()) return;
    state.lastBrowseDir = state.pendingEntry;
    zenjiamuluziClick();
}

// The browser has no owner window, so the list can change while it is open: the change
// goes to the entry selected when the command began, wherever it stands by then, and to
// nothing when that entry is gone.
void TForm1::xiugailujinClick() {
    const int noted = CheckListBox1.itemIndex();
    if (noted < 0) return;
    const unsigned long long entry = CheckListBox1.itemId(noted);
    CheckListBox1.setHint(std::string());
    Memo1.clear();
    state.pendingEntry = platform_.dialogs.browseForFolder("修改当前目录路径，请选择一个目录", state.lastBrowseDir);
    if (state.pendingEntry.empty()) return;
    state.lastBrowseDir = state.pendingEntry;
    const int index = CheckListBox1.indexOfId(entry);
    if (index >= 0) replaceEntryText(index, state.pendingEntry);
}

}  // namespace tesvar
