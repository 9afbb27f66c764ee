#include "app/Form1.h"
#include "help/AboutBox.h"
#include "help/Links.h"

namespace tesvar {

namespace {

const char kFeedbackFolder[] = "Kestrom_用户反馈表";
const char kFeedbackProgram[] = "用户反馈表.exe";

// Puts the current folder back when the feedback launch ends, however it ends: every data path
// of the program is formed from baseDir, and a launch must not leave the process elsewhere.
class CurrentFolderRestorer {
public:
    CurrentFolderRestorer(FileSystem& files, const std::string& folder) : files_(files), folder_(folder) {}
    ~CurrentFolderRestorer() { files_.setCurrentDirectory(folder_); }
    CurrentFolderRestorer(const CurrentFolderRestorer&) = delete;
    CurrentFolderRestorer& operator=(const CurrentFolderRestorer&) = delete;

private:
    FileSystem& files_;
    std::string folder_;
};

}  // namespace

void TForm1::openHelpText(const std::string& fileName) {
    const std::string path = state.baseDir + "\\帮助\\" + fileName;
    if (platform_.files.fileExists(path))
        platform_.shell.execute({ShellOwner::MainWindow, "open", path, "", "", sw::kShowMaximized});
    else
        showMessage("文件不存在  " + path);
}

void TForm1::openWebPage(const char* address) {
    platform_.shell.execute({ShellOwner::MainWindow, "open", address, "", "", sw::kShowNormal});
}

void TForm1::readmeClick() { openHelpText("帮助.txt"); }

void TForm1::mu_geClick() { openHelpText("个人介绍.txt"); }

void TForm1::N1001Click() { openHelpText("100%杀毒软件.txt"); }

void TForm1::N94Click() { openHelpText("主动防御.txt"); }

void TForm1::N96Click() { openHelpText("保护你的账号.txt"); }

void TForm1::N23Click() { openHelpText("接受定做软件.txt"); }

void TForm1::my7Click() { openHelpText("中国网格详情.txt"); }

void TForm1::my9Click() { openHelpText("广告位招租.txt"); }

// Not modal: a second click finds the box already shown and only brings it forward.
void TForm1::N56Click() {
    if (!AboutBox) return;
    AboutBox->show();
    AboutBox->setFocus();
}

// The feedback program is started from its own folder, so it finds its files there; the
// shell launch takes the process's current folder as the new program's.
void TForm1::N58Click() {
    const std::string folder = state.baseDir + "\\" + kFeedbackFolder;
    if (!platform_.files.setCurrentDirectory(folder)) {
        messageBox("文件夹 Kestrom_用户反馈表不存在，请手工启动", "出错", mb::kOk, BoxOwner::Application);
        return;
    }
    CurrentFolderRestorer restorer(platform_.files, state.baseDir);
    const std::string program = state.baseDir + "\\" + kFeedbackFolder + "\\" + kFeedbackProgram;
    if (platform_.files.fileExists(program))
        platform_.shell.execute({ShellOwner::MainWindow, "open", program, "", "", sw::kShowNormal});
    else
        showMessage("文件不存在  " + program);
}

void TForm1::N60Click() {
    messageBox("欢迎给我来信，我一定回复您，请指出问题。万分感谢！", "欢迎给我来信", mb::kOk, BoxOwner::Application);
}

void TForm1::N70Click() { openWebPage(linkAddress(Link::UpgradePage)); }

void TForm1::my2Click() { openWebPage(linkAddress(Link::SoftwareSite1)); }

void TForm1::my3Click() { openWebPage(linkAddress(Link::SoftwareSite2)); }

void TForm1::my4Click() { openWebPage(linkAddress(Link::SoftwareSite3)); }

void TForm1::my5Click() { openWebPage(linkAddress(Link::SoftwareSite4)); }

void TForm1::my6Click() { openWebPage(linkAddress(Link::WebHost)); }

void TForm1::my8Click() { openWebPage(linkAddress(Link::OnlineDisk)); }

void TForm1::my10Click() { openWebPage(linkAddress(Link::SoftwareSite5)); }

}  // namespace tesvar
