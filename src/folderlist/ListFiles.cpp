// List files: loading a file into the list, writing the list, and the commands around them.

#include "app/Form1.h"
#include "folderlist/ListFileFormat.h"
#include "platform/Errors.h"

namespace tesvar {

namespace {
const char kTooMany[] = "文本太多>3000，装不下,建议立刻清空或部分删除";
}

// Replaces the list with the lines of currentListFile; callers store the path there first.
void TForm1::menuopenmy(const std::string& /*path*/) {
    CheckListBox1.setHint(std::string());
    Memo1.clear();
    state.savedListFile = state.currentListFile;
    state.saveTargetFile = state.currentListFile;
    const int n = CheckListBox1.count();
    CheckListBox1.clear();
    clearTrayMirror(n);
    std::string bytes;
    try {
        bytes = platform_.files.readFile(state.currentListFile);
    } catch (const FileError& e) {
        // A file that opened but could not be read whole must not be overwritten by the
        // shortened list on the next save: the next save asks for a name instead.
        if (e.opened()) state.savedListFile.clear();
        throw;
    }
    ParsedList parsed = parseListFile(bytes, static_cast<size_t>(state.maxListEntries));
    for (const std::string& entry : parsed.entries) addEntry(entry);
    CheckListBox1.setItemIndex(-1);
    CheckListBox1.setTopIndex(0);
    if (parsed.truncated) {
        state.savedListFile.clear();
        showMessage(kTooMany);
    }
}

void TForm1::mybaocun(const std::string& path) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<size_t>(CheckListBox1.count()));
    for (int i = 0; i < CheckListBox1.count(); ++i) entries.push_back(CheckListBox1.text(i));
    platform_.files.writeFile(path, formatListFile(entries));
}

void TForm1::menuopenClick() {
    OpenDialog1.initialDir = state.baseDir + "\\" + "保存";
    if (!OpenDialog1.execute()) return;
    state.currentListFile = OpenDialog1.fileName;
    menuopenmy(state.currentListFile);
}

void TForm1::mu_dakaiyangliClick() {
    state.currentListFile = state.sampleXpFile;
    menuopenmy(state.currentListFile);
}

void TForm1::menudakaiwenjianjiaClick() {
    state.currentListFile = state.sampleVistaFile;
    menuopenmy(state.currentListFile);
}

void TForm1::menuopen3Click() {
    state.currentListFile = state.sample7File;
    menuopenmy(state.currentListFile);
}

void TForm1::menusaveClick() {
    state.saveTargetFile = state.savedListFile;
    if (state.savedListFile.empty()) {
        if (!SaveDialog1.execute()) return;
        state.saveTargetFile = SaveDialog1.fileName;
        state.currentListFile = SaveDialog1.fileName;
        state.savedListFile = SaveDialog1.fileName;
        // Before the write: a file this save creates in the data box is listed from the
        // next rebuild on.
        wodesujuhedongtaiClick();
    }
    mybaocun(state.saveTargetFile);
    if (!state.closing) playCue(state.soundDir + "\\" + "保存.wav");
}

void TForm1::menulincunClick() {
    if (!SaveDialog1.execute()) return;
    state.saveTargetFile = SaveDialog1.fileName;
    state.savedListFile = SaveDialog1.fileName;
    mybaocun(state.saveTargetFile);
    state.currentListFile = SaveDialog1.fileName;
    wodesujuhedongtaiClick();
}

void TForm1::genxinzairuClick() {
    if (!state.currentListFile.empty()) menuopenmy(state.currentListFile);
    CheckListBox1.setHint(std::string());
}

void TForm1::genxincongzaiClick() { genxinzairuClick(); }

void TForm1::bianjidangqianClick() {
    if (state.currentListFile.empty()) {
        showMessage("文件未保存，请先保存");
    } else if (platform_.files.fileExists(state.currentListFile)) {
        platform_.shell.execute({ShellOwner::MainWindow, "open", state.currentListFile, "", "", sw::kShowMaximized});
    } else {
        showMessage("文件不存在  " + state.currentListFile);
    }
}

void TForm1::bianjidangqClick() { bianjidangqianClick(); }

void TForm1::xiansiwenjianminClick() {
    if (!state.currentListFile.empty())
        showMessage("当前文件名为    " + state.currentListFile);
    else
        showMessage("当前文件名为空，请先保存");
}

}  // namespace tesvar
