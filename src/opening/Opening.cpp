// Opening entries in Explorer: by double-click, from the tray mirror, and all ticked
// entries at once.

#include "app/Form1.h"

namespace tesvar {

namespace {
const char kMyComputerId[] = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
const char kMyComputer[] = "我的电脑";
const char kComputer[] = "计算机";
}  // namespace

void TForm1::myComputerLaunch() {
    platform_.shell.execute({ShellOwner::MainWindow, "open", "explorer.exe", kMyComputerId, "", sw::kShowMaximized});
}

void TForm1::folderLaunch(const std::string& path, int show) {
    platform_.shell.execute({ShellOwner::MainWindow, "open", "Explorer.exe", "/n," + path, "", show});
}

void TForm1::rootedLaunch(const std::string& path) {
    platform_.shell.execute({ShellOwner::MainWindow, "open", "Explorer.exe", "/root," + path, "", sw::kShowMaximized});
}

bool TForm1::folderExists(const std::string& path) { return platform_.files.directoryExists(path); }

// Opens one entry; `minimise` is the double-click's behaviour (the tray never minimises).
void TForm1::openEntry(const std::string& text, bool minimise) {
    if (text == kMyComputer || text == kComputer) {
        myComputerLaunch();
        if (minimise) Application.minimize();
        return;
    }
    const std::string path = resolveSpecialFolder(text);
    if (folderExists(path)) {
        folderLaunch(path, sw::kShowMaximized);
        if (minimise && !menuItem("menutop").checked()) Application.minimize();
    } else {
        showMessage("文件夹路径不存在  " + path);
    }
}

void TForm1::CheckListBox1DblClick() {
    const int i = CheckListBox1.itemIndex();
    if (i < 0) return;
    openEntry(CheckListBox1.text(i), true);
}

// The mirror item's position tells the entry: item trayFirstIndex + k stands for entry k.
void TForm1::mytuopanClick(ui::MenuItem& sender) {
    const int index = sender.menuIndex() - state.trayFirstIndex;
    CheckListBox1.setItemIndex(index);
    openEntry(CheckListBox1.text(index), false);
}

void TForm1::piliangdakaiClick() {
    if (CheckListBox1.count() == 0) {
        messageBox("出错！列表框中无内容或文件，请先调入文件", "出错", mb::kOk, BoxOwner::Application);
        return;
    }
    const int answer = messageBox("必须确保需要打开的文件夹地址左侧都打上勾，你确信开始打开吗?", "批量打开文件夹",
                                  mb::kOkCancel | mb::kIconQuestion | mb::kSystemModal, BoxOwner::None);
    if (answer != mb::kIdOk) return;
    Memo1.clear();
    bool openedAny = false;
    bool failedAny = false;
    std::string report;
    for (int i = 0; i < CheckListBox1.count(); ++i) {
        if (!CheckListBox1.checked(i)) continue;
        const std::string& text = CheckListBox1.text(i);
        if (folderExists(text)) {
            openedAny = true;
            rootedLaunch(text);
        } else {
            failedAny = true;
            report += "打开失败  " + text + "\r\n";
        }
    }
    // The report is put into the memo in one go: the same lines as one after another.
    if (!report.empty()) Memo1.setText(report);
    const char* summary = !openedAny ? "一个都没打开" : failedAny ? "打开有失败，请查看下方编辑框记录" : "全部成功打开";
    messageBox(summary, "批量打开文件夹记录", mb::kOk, BoxOwner::Application);
}

}  // namespace tesvar
