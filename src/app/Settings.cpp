#include "app/Form1.h"
#include "app/SettingsFormat.h"

namespace tesvar {

namespace {
const char kUnreadable[] = "设置文件数据有错，无法读取";
}

// The reader reports its own failures and never raises: it runs inside the start-up
// sequence, which must go on. The tray flag is taken as soon as line 1 has been read, the
// rest only when the whole file could be read; the tray icon itself is left to FormShow.
void TForm1::duruseziClick() {
    if (!platform_.files.fileExists(state.settingsFile)) return;
    ParsedSettings parsed;
    try {
        parsed = parseSettings(platform_.files.readFile(state.settingsFile));
    } catch (const std::exception&) {
        parsed = ParsedSettings{};
    }
    if (parsed.firstLineRead) state.showInTray = parsed.values.showInTray != 0 ? kSet : kClear;
    if (!parsed.complete) {
        messageBox(kUnreadable, "出错", mb::kOk, BoxOwner::Application);
        return;
    }
    state.listFontSize = parsed.values.fontSize;
    state.listFontName = parsed.values.fontName;
    state.listFontColor = parsed.values.fontColor;
    presetFontDialog();
    applyDialogFontToList();
    OpenDialog1.initialDir = state.baseDir + "\\" + "保存";
    SaveDialog1.initialDir = state.baseDir + "\\" + "我的数据盒";
}

// Goes through the file layer's temporary file, so a failed write leaves the old settings as
// they were; the error reaches the caller (the close sequence stops on it).
void TForm1::mu_savesuxinClick() {
    platform_.files.writeFile(state.settingsFile, formatSettings({state.showInTray, state.listFontSize,
                                                                  state.listFontName, state.listFontColor}));
}

}  // namespace tesvar
