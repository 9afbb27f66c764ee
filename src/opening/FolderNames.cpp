// The seven special-folder names: five resolve to file-system folders once at start; the
// two names of My Computer open it directly.

#include "app/Form1.h"

namespace tesvar {

namespace {
constexpr int kCsidlPersonal = 5;
constexpr int kCsidlFavorites = 6;
constexpr int kCsidlStartMenu = 11;
constexpr int kCsidlCommonStartMenu = 22;
constexpr int kCsidlSendTo = 9;
}  // namespace

void TForm1::getxitonglujin() {
    state.myDocumentsPath = getspecialpath(kCsidlPersonal);
    state.favoritesPath = getspecialpath(kCsidlFavorites);
    state.startMenuPath = getspecialpath(kCsidlStartMenu);
    state.commonStartMenuPath = getspecialpath(kCsidlCommonStartMenu);
    state.sendToPath = getspecialpath(kCsidlSendTo);
}

std::string TForm1::getspecialpath(int csidl) { return platform_.shell.specialFolderPath(csidl); }

// Whole, case-sensitive names only: anything else is a path.
std::string TForm1::resolveSpecialFolder(const std::string& text) {
    if (text == "我的文档") return state.myDocumentsPath;
    if (text == "收藏夹") return state.favoritesPath;
    if (text == "开始菜单") return state.startMenuPath;
    if (text == "所有用户开始菜单") return state.commonStartMenuPath;
    if (text == "发送到") return state.sendToPath;
    return text;
}

void TForm1::addSpecialFolder(const std::string& name) {
    CheckListBox1.setHint(std::string());
    Memo1.clear();
    appendEntry(name);
}

void TForm1::w1Click() { addSpecialFolder("我的电脑"); }
void TForm1::N65Click() { addSpecialFolder("计算机"); }
void TForm1::N3Click() { addSpecialFolder("我的文档"); }
void TForm1::N11Click() { addSpecialFolder("收藏夹"); }
void TForm1::N13Click() { addSpecialFolder("开始菜单"); }
void TForm1::N16Click() { addSpecialFolder("所有用户开始菜单"); }
void TForm1::N22Click() { addSpecialFolder("发送到"); }

}  // namespace tesvar
