#include "app/Form1.h"

namespace tesvar {

namespace {
const char kHintSentence[] = "历史文本列表框，单击为复制到剪切板，双击为复制加隐藏，填表模式按钮为切换窗口大小";
constexpr size_t kMaxSoundDirBytes = 255;
}  // namespace

// The start-up sequence. Its order is fixed: the margins are taken before scaling
// changes the window; the data paths are formed after the scaling and the special-folder
// step and before any step that reads a data folder; the settings are read before the
// data-box menu and before a list is loaded; the hint entry exists before the default
// sample set replaces it; the version name comes last.
void TForm1::FormCreate() {
    state.startupScaling = kSet;
    state.rightMargin = width() - Panel4.left() - Panel4.width();
    state.bottomMargin = height() - Panel1.top() - Panel1.height();
    cuangtisuofangClick();
    state.startupScaling = kClear;
    getxitonglujin();
    Memo1.clear();
    state.listFontSize = 14;
    state.listFontName = "宋体";
    state.listFontColor = ui::kClWindowText;
    menuItem("qidongyincang").setVisible(false);
    state.lastBrowseDir.clear();
    state.closing = kClear;
    state.trayLastMenuIndex = menuItem("lastmenu").menuIndex();
    state.trayFirstIndex = state.trayLastMenuIndex + 1;
    state.rangeAnchor = 0;
    state.shiftHeld = kClear;
    state.showInTray = kSet;
    state.maxListEntries = 3000;
    state.startupInProgress = kSet;
    state.maxCaptionLength = 40;

    CheckListBox1.clear();
    state.hintText = kHintSentence;
    CheckListBox1.add(state.hintText);
    auto hintItem = newMirrorItem("");
    if (state.hintText.size() > static_cast<size_t>(state.maxCaptionLength))
        state.hintText.resize(state.maxCaptionLength);
    hintItem->setCaption(state.hintText);
    PopupMenu2.items().add(std::move(hintItem));

    menuItem("menutop").setChecked(false);

    state.baseDir = platform_.files.currentDirectory();
    state.soundDir = state.baseDir + "\\音效";
    if (state.soundDir.size() > kMaxSoundDirBytes) state.soundDir.resize(kMaxSoundDirBytes);
    state.sampleDir = state.baseDir + "\\" + "样例文件夹";
    state.settingsFile = state.baseDir + "\\set";
    state.shortcutDir = state.baseDir + "\\程序快捷方式总集";
    state.sampleXpFile = state.sampleDir + "\\winxp.txt";
    state.sampleVistaFile = state.sampleDir + "\\vista.txt";
    state.sample7File = state.sampleDir + "\\win7.txt";
    state.currentListFile.clear();
    state.saveTargetFile = "c:\\";
    state.savedListFile.clear();

    duruseziClick();
    wodesujuhedongtaiClick();
    state.startupInProgress = kClear;
    qidongduruzuceClick();
    mu_dakaiyangliClick();
    cenxvkuaijiedongtaiClick();
    state.osVersionName = getWindowsVersionName();
    huanpifuClick();
}

void TForm1::FormShow() {
    CheckListBox1.setFocus();
    if (!state.showInTray) xiansituopanClick();
    RestoreFromTray();
}

// The close sequence; an error in a step ends it there, leaving the window open.
void TForm1::FormClose() {
    state.closing = kSet;
    // An empty list bound for a file that does not exist has nothing to keep; saving it
    // would only fail (its folder is usually missing too) and trap the user in the program.
    const bool nothingToSave =
        CheckListBox1.count() == 0 && !state.savedListFile.empty() && !platform_.files.fileExists(state.savedListFile);
    if (!nothingToSave) menusaveClick();
    mu_savesuxinClick();
    Application.terminate();
}

}  // namespace tesvar
