// The folder list and its tray mirror. Every change of the list goes through these
// primitives, so entry i always has its mirror item at trayFirstIndex + i of PopupMenu2.

#include "app/Form1.h"

namespace tesvar {

// The caption is what follows the last "\" or ":", or the whole text when nothing does.
// The scan steps over two-byte characters, so a trail byte equal to "\" is no delimiter.
std::string TForm1::trayCaptionFor(const std::string& text) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (platform_.system.isLeadByte(c) && i + 1 < text.size()) {
            ++i;
            continue;
        }
        if (c == '\\' || c == ':') start = i + 1;
    }
    if (start >= text.size()) return text;
    return text.substr(start);
}

void TForm1::addEntry(const std::string& text) {
    CheckListBox1.add(text);
    PopupMenu2.items().add(newMirrorItem(trayCaptionFor(text)));
}

void TForm1::appendEntry(const std::string& text) {
    addEntry(text);
    CheckListBox1.setItemIndex(CheckListBox1.count() - 1);
}

void TForm1::zenjiamuluziClick() {
    CheckListBox1.add(state.pendingEntry);
    CheckListBox1.setItemIndex(CheckListBox1.count() - 1);
    if (!state.startupInProgress) CheckListBox1.setFocus();
    PopupMenu2.items().add(newMirrorItem(trayCaptionFor(state.pendingEntry)));
}

void TForm1::removeEntryAt(int index) {
    CheckListBox1.remove(index);
    PopupMenu2.items().remove(state.trayFirstIndex + index);
}

void TForm1::clearTrayMirror(int count) {
    for (int k = count - 1; k >= 0; --k) PopupMenu2.items().remove(state.trayFirstIndex + k);
}

void TForm1::replaceEntryText(int index, const std::string& text) {
    CheckListBox1.setText(index, text);
    PopupMenu2.items().item(state.trayFirstIndex + index).setCaption(trayCaptionFor(text));
}

// Moves entry `from` to stand directly before entry `onto`; the mirror item follows.
void TForm1::moveEntry(int from, int onto) {
    const std::string text = CheckListBox1.text(from);
    CheckListBox1.insert(onto, text);
    CheckListBox1.remove(onto < from ? from + 1 : from);
    const int landed = from < onto ? onto - 1 : onto;
    CheckListBox1.setItemIndex(landed);
    PopupMenu2.items().remove(state.trayFirstIndex + from);
    PopupMenu2.items().insert(state.trayFirstIndex + landed, newMirrorItem(trayCaptionFor(text)));
}

// After a sort the mirror items carry each entry's whole text, not the caption rule.
void TForm1::rebuildTrayMirror() {
    clearTrayMirror(CheckListBox1.count());
    for (int i = 0; i < CheckListBox1.count(); ++i) PopupMenu2.items().add(newMirrorItem(CheckListBox1.text(i)));
}

}  // namespace tesvar
