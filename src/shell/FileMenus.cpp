// Menus built from the data folders: the data box's list files and the shortcut collection,
// and the commands that open the data folders in Explorer.

#include <memory>

#include "app/Form1.h"

namespace tesvar {

namespace {

const char kDataBox[] = "我的数据盒";
const char kShortcuts[] = "程序快捷方式总集";
const char kSamples[] = "样例文件夹";

using ItemHandler = void (TForm1::*)(ui::MenuItem&);

// A generated entry carries nothing but its caption: the click handler rebuilds the file's path
// from the folder and the caption, so the caption is exactly the file's name.
std::unique_ptr<ui::MenuItem> fileEntry(TForm1& form, const std::string& name, ItemHandler handler) {
    auto item = std::make_unique<ui::MenuItem>("", name);
    ui::MenuItem* raw = item.get();
    item->onClick = [&form, raw, handler] { (form.*handler)(*raw); };
    return item;
}

std::unique_ptr<ui::MenuItem> separator() { return std::make_unique<ui::MenuItem>("", "-"); }

std::string dataBoxDir(const ProgramState& state) { return state.baseDir + "\\" + kDataBox; }

}  // namespace

void TForm1::wodesujuhedongtaiClick() {
    ui::MenuItem& box = menuItem("menudakaisujuhe");
    box.clear();
    for (const std::string& name : platform_.files.listFiles(dataBoxDir(state) + "\\*.txt")) {
        box.add(fileEntry(*this, name, &TForm1::MyClick));
        box.add(separator());
    }
}

void TForm1::cenxvkuaijiedongtaiClick() {
    ui::MenuItem& fileMenu = menuItem("menu_cenxvkuaijie");
    ui::MenuItem& trayMenu = menuItem("tuo_cenxvkuaijie");
    fileMenu.clear();
    trayMenu.clear();
    for (const std::string& name : platform_.files.listFiles(state.shortcutDir + "\\*.lnk")) {
        fileMenu.add(fileEntry(*this, name, &TForm1::menu_cenxvkuaijieClick));
        fileMenu.add(separator());
        trayMenu.add(fileEntry(*this, name, &TForm1::menu_cenxvkuaijieClick));
        trayMenu.add(separator());
    }
}

void TForm1::genxincenxvkuaijieClick() { cenxvkuaijiedongtaiClick(); }

// currentListFile names the clicked file even when it turns out to be missing.
void TForm1::MyClick(ui::MenuItem& sender) {
    state.currentListFile = dataBoxDir(state) + "\\" + sender.caption();
    if (platform_.files.fileExists(state.currentListFile))
        menuopenmy(state.currentListFile);
    else
        messageBox("文件路径不存在 " + state.currentListFile, "出错", mb::kOk, BoxOwner::Application);
}

// Edits a data-box file in the program associated with text files. The file is always looked
// for in the data box, whichever menu was built last.
void TForm1::bianjiMyClick(ui::MenuItem& sender) {
    state.currentListFile = dataBoxDir(state) + "\\" + sender.caption();
    if (platform_.files.fileExists(state.currentListFile))
        platform_.shell.execute({ShellOwner::MainWindow, "open", state.currentListFile, "", "", sw::kShowMaximized});
    else
        showMessage("文件不存在  " + state.currentListFile);
}

// The target is resolved before the shortcut file is looked for: a shell-link object that cannot
// be made is reported even for a shortcut that has gone.
void TForm1::menu_cenxvkuaijieClick(ui::MenuItem& sender) {
    const std::string shortcut = state.shortcutDir + "\\" + sender.caption();
    const std::string target = resolveShortcut(shortcut);
    if (platform_.files.fileExists(shortcut))
        platform_.shell.execute({ShellOwner::MainWindow, "open", target, "", "", sw::kShowNormal});
    else
        showMessage("文件不存在  " + shortcut);
}

// Resolve is not asked for no-UI mode: when the target has moved, the shell may show its own
// search dialog over the active window.
std::string TForm1::resolveShortcut(const std::string& path) {
    const std::unique_ptr<ShellLink> link = platform_.links.create();
    std::string result = "unable to resolve link";
    if (!link->load(path)) return result;
    if (!link->resolve(platform_.desktop.activeWindow(), slr::kNoUpdate)) return result;
    std::string target;
    if (link->getPath(target, slgp::kUncPriority)) result = target;
    return result;
}

// The folders are opened as they are, without an existence test: Explorer itself tells the user
// when one is missing.
void TForm1::cakanqidongClick() {
    platform_.shell.execute(
        {ShellOwner::MainWindow, "open", "Explorer.exe", "/n," + state.baseDir, "", sw::kShowMaximized});
}

void TForm1::N83Click() {
    platform_.shell.execute({ShellOwner::MainWindow, "open", "Explorer.exe", "/n," + state.baseDir + "\\" + kShortcuts,
                             "", sw::kShowMaximized});
}

void TForm1::N85Click() {
    platform_.shell.execute({ShellOwner::MainWindow, "open", "Explorer.exe", "/n," + state.baseDir + "\\" + kDataBox,
                             "", sw::kShowMaximized});
}

void TForm1::N87Click() {
    platform_.shell.execute({ShellOwner::MainWindow, "open", "Explorer.exe", "/n," + state.baseDir + "\\" + kSamples,
                             "", sw::kShowMaximized});
}

}  // namespace tesvar
