#pragma once
// The main window. One class, defined across the subsystem folders; each group below
// names the file that defines it.

#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "platform/Platform.h"
#include "ui/Application.h"
#include "ui/CheckListBox.h"
#include "ui/Control.h"
#include "ui/Dialogs.h"
#include "ui/Form.h"
#include "ui/Memo.h"
#include "ui/Menu.h"
#include "ui/ToolBar.h"
#include "ui/TrayIcon.h"

namespace tesvar {

class TAboutBox;

class TForm1 : public ui::Form {
public:
    // Builds the window at its designed layout and runs FormCreate through the
    // application's dispatch, so a failing start-up step is reported and the window
    // still comes up.
    TForm1(Platform& platform, ui::Application& application);
    ~TForm1() override;

    // ---- app/Form1.cpp: controls, menus and how their events reach the handlers ----
    ui::Application& Application;
    ui::ToolBar ToolBar1{"ToolBar1", this};
    ui::Button ToolButton1{"ToolButton1", &ToolBar1};
    ui::Button ToolButton2{"ToolButton2", &ToolBar1};
    ui::Button ToolButton3{"ToolButton3", &ToolBar1};
    ui::Button ToolButton4{"ToolButton4", &ToolBar1};
    ui::Button ToolButton5{"ToolButton5", &ToolBar1};
    ui::Panel Panel1{"Panel1", this};
    ui::CheckListBox CheckListBox1{"CheckListBox1", &Panel1};
    ui::Panel Panel2{"Panel2", &Panel1};
    ui::Memo Memo1{"Memo1", &Panel2};
    ui::Panel Panel3{"Panel3", &Panel2};
    ui::Button Button2{"Button2", &Panel3};
    ui::Panel Panel4{"Panel4", this};
    ui::Button BitBtn1{"BitBtn1", &Panel4};
    ui::Button BitBtn3{"BitBtn3", &Panel4};
    ui::Menu MainMenu1{"MainMenu1"};
    ui::Menu PopupMenu1{"PopupMenu1"};
    ui::Menu PopupMenu2{"PopupMenu2"};
    ui::TrayIcon CnTrayIcon1;
    ui::FileDialog OpenDialog1;
    ui::FileDialog SaveDialog1;
    ui::FontDialog FontDialog1;

    ProgramState state;

    // A menu item by its name in any of the three menus; throws when there is none.
    ui::MenuItem& menuItem(const std::string& name);
    // Every control of the window, parents before children.
    std::vector<ui::Control*> controls();

    // ---- app/Startup.cpp: start-up, first show, close ----
    void FormCreate();
    void FormShow();
    void FormClose();

    // ---- app/Geometry.cpp: scaling, layout, always on top, list font, skin ----
    void cuangtisuofangClick();
    void FormResize();
    void menutopClick();
    void N67Click();
    void huanpifuClick();

    // ---- app/Settings.cpp: the settings file ----
    void duruseziClick();
    void mu_savesuxinClick();

    // ---- app/Version.cpp: the Windows version name ----
    std::string getWindowsVersionName();

    // ---- app/Tray.cpp: the tray icon and its switch ----
    void xiansituopanClick();
    void CnTrayIcon1Click();
    void tuopantuicuClick();
    void HideToTray();
    void RestoreFromTray();

    // ---- folderlist/FolderList.cpp: the list and its tray mirror ----
    std::string trayCaptionFor(const std::string& text);
    void addEntry(const std::string& text);
    void appendEntry(const std::string& text);
    void zenjiamuluziClick();
    void removeEntryAt(int index);
    void clearTrayMirror(int count);
    void replaceEntryText(int index, const std::string& text);
    void moveEntry(int from, int onto);
    void rebuildTrayMirror();

    // ---- folderlist/ListFiles.cpp: list files ----
    void menuopenmy(const std::string& path);
    void mybaocun(const std::string& path);
    void menuopenClick();
    void mu_dakaiyangliClick();
    void menudakaiwenjianjiaClick();
    void menuopen3Click();
    void menusaveClick();
    void menulincunClick();
    void genxinzairuClick();
    void genxincongzaiClick();
    void bianjidangqianClick();
    void bianjidangqClick();
    void xiansiwenjianminClick();

    // ---- folderlist/Editing.cpp: ticking, deleting, sorting, dragging ----
    void mu_quanzeClick();
    void mu_fanzeClick();
    void N55Click();
    void N28Click();
    void N27Click();
    void qinkongliebiaoClick();
    void N42Click();
    void CheckListBox1Click();
    void CheckListBox1ClickCheck();
    void CheckListBox1KeyDown(ui::ShiftState shift);
    void CheckListBox1KeyUp();
    void CheckListBox1StartDrag(int x, int y);
    bool CheckListBox1DragOver(const void* source);
    void CheckListBox1DragDrop(int x, int y);
    void CheckListBox1MouseUp();
    void Button2Click();

    // ---- opening/Opening.cpp: opening entries ----
    void CheckListBox1DblClick();
    void mytuopanClick(ui::MenuItem& sender);
    void piliangdakaiClick();

    // ---- opening/FolderNames.cpp: special folders ----
    void getxitonglujin();
    std::string getspecialpath(int csidl);
    void w1Click();
    void N65Click();
    void N3Click();
    void N11Click();
    void N13Click();
    void N16Click();
    void N22Click();

    // ---- opening/PathEditing.cpp: adding and changing folders ----
    void tianjiamuluClick();
    void xiugailujinClick();

    // ---- shell/ViewOptions.cpp: Explorer's view options ----
    void xisikuozanminClick();
    void xisikuozanmin2Click();
    void xiansiyincangClick();
    void xiansiyincang2Click();
    void qidongduruzuceClick();
    void xiansizuomianClick();
    void refreshExplorerWindows();

    // ---- shell/FileMenus.cpp: the data-box and shortcut-collection menus ----
    void wodesujuhedongtaiClick();
    void cenxvkuaijiedongtaiClick();
    void genxincenxvkuaijieClick();
    void MyClick(ui::MenuItem& sender);
    void bianjiMyClick(ui::MenuItem& sender);
    void menu_cenxvkuaijieClick(ui::MenuItem& sender);
    std::string resolveShortcut(const std::string& path);
    void cakanqidongClick();
    void N83Click();
    void N85Click();
    void N87Click();

    // ---- help/Help.cpp: help texts, feedback form, links ----
    void readmeClick();
    void mu_geClick();
    void N1001Click();
    void N94Click();
    void N96Click();
    void N23Click();
    void my7Click();
    void my9Click();
    void N56Click();
    void N58Click();
    void N60Click();
    void N70Click();
    void my2Click();
    void my3Click();
    void my4Click();
    void my5Click();
    void my6Click();
    void my8Click();
    void my10Click();
    // The about box, made by the program entry beside this window (none until then).
    TAboutBox* AboutBox = nullptr;

private:
    // opening/Opening.cpp: the three Explorer launches and the existence test.
    void myComputerLaunch();
    void folderLaunch(const std::string& path, int show);
    void rootedLaunch(const std::string& path);
    bool folderExists(const std::string& path);
    void openEntry(const std::string& text, bool minimise);
    // opening/FolderNames.cpp
    std::string resolveSpecialFolder(const std::string& text);
    void addSpecialFolder(const std::string& name);

    void layOutDesign();
    void buildMenus();
    // A new tray mirror item: a plain item whose click opens its entry.
    std::unique_ptr<ui::MenuItem> newMirrorItem(const std::string& caption);
    void playCue(const std::string& path);
    // A plain message dialog: the application title as caption, one OK button.
    void showMessage(const std::string& text);
    // A message box with its own caption.
    int messageBox(const std::string& text, const std::string& caption, unsigned flags, BoxOwner owner);
    // shell/ViewOptions.cpp: makes open Explorer windows and the desktop show a changed option.
    void refreshShellViews(WindowHandle previouslyActive);
    // app/Geometry.cpp: the layout rule for the current window size; the list font's name,
    // size and colour into FontDialog1; FontDialog1's whole font onto the list.
    void layOutToWindow();
    void presetFontDialog();
    void applyDialogFontToList();

    // help/Help.cpp: a help text by its name in the help folder; a web page, owned by this window.
    void openHelpText(const std::string& fileName);
    void openWebPage(const char* address);

    Platform& platform_;
};

}  // namespace tesvar
