#include "app/Form1.h"

#include <stdexcept>

#include "app/Menus.h"

namespace tesvar {

TForm1::TForm1(Platform& platform, ui::Application& application)
    : ui::Form("Form1"),
      Application(application),
      OpenDialog1(platform.dialogs, false),
      SaveDialog1(platform.dialogs, true),
      FontDialog1(platform.dialogs),
      platform_(platform) {
    layOutDesign();
    buildMenus();
    Application.dispatch([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::layOutDesign() {
    setVisible(false);
    setCaption("Tesvar2.0");
    setBounds({76, 44, 691, 525});
    setFont({"宋体", 0, 13});

    ToolBar1.setBounds({0, 0, 683, 41});
    ToolBar1.setFont({"宋体", 0, 14});
    struct ToolDef {
        ui::Button* button;
        const char* caption;
        const char* hint;
    };
    const ToolDef tools[] = {
        {&ToolButton5, "保存", "保存"},         {&ToolButton1, "添加", "添加目录"},
        {&ToolButton2, "修改", "修改当前路径"}, {&ToolButton3, "批量打开", "批量打开文件夹"},
        {&ToolButton4, "删除", "单项删除"},
    };
    int left = 0;
    for (const ToolDef& t : tools) {
        t.button->setCaption(t.caption);
        t.button->setHint(t.hint);
        t.button->setBounds({left, 2, ToolBar1.buttonWidth, ToolBar1.buttonHeight});
        left += ToolBar1.buttonWidth + ToolBar1.separatorWidth;
        ToolBar1.addButton(*t.button);
    }

    Panel1.setBounds({32, 64, 569, 369});
    CheckListBox1.setBounds({1, 1, 567, 312});
    CheckListBox1.setFont({"MS Sans Serif", 0, 16});
    CheckListBox1.setItemHeight(20);
    Panel2.setBounds({1, 313, 567, 55});
    Memo1.setBounds({1, 1, 454, 53});
    ui::Font memoFont{"MS Sans Serif", 0, 16};
    memoFont.bold = true;
    Memo1.setFont(memoFont);
    Panel3.setBounds({455, 1, 111, 53});
    Button2.setBounds({29, 13, 52, 28});
    Button2.setCaption("清除");
    Button2.setHint("清空编辑框");
    Button2.setFont({"宋体", 0, 16});
    Panel4.setBounds({605, 64, 41, 317});
    BitBtn1.setBounds({8, 56, 25, 49});
    BitBtn1.setHint("部分删除_保留勾");
    BitBtn3.setBounds({8, 154, 25, 49});
    BitBtn3.setHint("全部删除");

    OpenDialog1.filter = "txt";
    OpenDialog1.initialDir = "c:\\";
    SaveDialog1.filter = "txt";
    SaveDialog1.defaultExt = "txt";
    SaveDialog1.initialDir = "c:\\";
    // The font dialog's own font until the settings or the user set one.
    FontDialog1.font.name = "MS Sans Serif";
    FontDialog1.font.size = 8;
    FontDialog1.font.color = ui::kClWindowText;

    CnTrayIcon1.setHint("Tesvar");
    CnTrayIcon1.setPopupMenu(&PopupMenu2);
    CnTrayIcon1.onClick = [this] { CnTrayIcon1Click(); };
    CnTrayIcon1.onAutoHide = [this] { HideToTray(); };

    onShow = [this] { FormShow(); };
    onClose = [this] { FormClose(); };
    onResize = [this] { FormResize(); };
}

void TForm1::buildMenus() {
    buildMenu(MainMenu1, mainMenuDefinition());
    buildMenu(PopupMenu1, popupMenu1Definition());
    buildMenu(PopupMenu2, popupMenu2Definition());

    using Handler = void (TForm1::*)();
    struct Binding {
        const char* item;
        Handler handler;
    };
    static const Binding bindings[] = {
        // file menu
        {"menuopen", &TForm1::menuopenClick},
        {"mu_dakaiyangli", &TForm1::mu_dakaiyangliClick},
        {"menudakaiwenjianjia", &TForm1::menudakaiwenjianjiaClick},
        {"menuopen3", &TForm1::menuopen3Click},
        {"genxincenxvkuaijie", &TForm1::genxincenxvkuaijieClick},
        {"menusave", &TForm1::menusaveClick},
        {"menulincun", &TForm1::menulincunClick},
        // edit menu
        {"mu_quanze", &TForm1::mu_quanzeClick},
        {"mu_fanze", &TForm1::mu_fanzeClick},
        {"N55", &TForm1::N55Click},
        {"N28", &TForm1::N28Click},
        {"N27", &TForm1::N27Click},
        {"qinkongliebiao", &TForm1::qinkongliebiaoClick},
        {"bianjidangqian", &TForm1::bianjidangqianClick},
        {"N42", &TForm1::N42Click},
        {"genxinzairu", &TForm1::genxinzairuClick},
        {"tianjiamulu", &TForm1::tianjiamuluClick},
        {"w1", &TForm1::w1Click},
        {"N65", &TForm1::N65Click},
        {"N3", &TForm1::N3Click},
        {"N11", &TForm1::N11Click},
        {"N13", &TForm1::N13Click},
        {"N16", &TForm1::N16Click},
        {"N22", &TForm1::N22Click},
        {"xiugailujin", &TForm1::xiugailujinClick},
        {"piliangdakai", &TForm1::piliangdakaiClick},
        // settings menu
        {"menutop", &TForm1::menutopClick},
        {"xiansituopan", &TForm1::xiansituopanClick},
        {"N67", &TForm1::N67Click},
        {"mu_savesuxin", &TForm1::mu_savesuxinClick},
        // other menu
        {"cakanqidong", &TForm1::cakanqidongClick},
        {"N83", &TForm1::N83Click},
        {"N85", &TForm1::N85Click},
        {"N87", &TForm1::N87Click},
        // system operations and the hidden start-up routines
        {"xisikuozanmin", &TForm1::xisikuozanminClick},
        {"xiansiyincang", &TForm1::xiansiyincangClick},
        {"qidongduruzuce", &TForm1::qidongduruzuceClick},
        {"zenjiamuluzi", &TForm1::zenjiamuluziClick},
        {"cuangtisuofang", &TForm1::cuangtisuofangClick},
        {"durusezi", &TForm1::duruseziClick},
        {"wodesujuhedongtai", &TForm1::wodesujuhedongtaiClick},
        {"cenxvkuaijiedongtai", &TForm1::cenxvkuaijiedongtaiClick},
        {"huanpifu", &TForm1::huanpifuClick},
        // help menu
        {"readme", &TForm1::readmeClick},
        {"mu_ge", &TForm1::mu_geClick},
        {"N56", &TForm1::N56Click},
        {"N58", &TForm1::N58Click},
        {"N1001", &TForm1::N1001Click},
        {"N94", &TForm1::N94Click},
        {"N96", &TForm1::N96Click},
        {"N23", &TForm1::N23Click},
        {"N60", &TForm1::N60Click},
        {"N70", &TForm1::N70Click},
        // links menu
        {"my2", &TForm1::my2Click},
        {"my3", &TForm1::my3Click},
        {"my4", &TForm1::my4Click},
        {"my5", &TForm1::my5Click},
        {"my10", &TForm1::my10Click},
        {"my6", &TForm1::my6Click},
        {"my7", &TForm1::my7Click},
        {"my8", &TForm1::my8Click},
        {"my9", &TForm1::my9Click},
        // the list's context menu
        {"bianjidangq", &TForm1::bianjidangqClick},
        {"xiansiwenjianmin", &TForm1::xiansiwenjianminClick},
        {"N39", &TForm1::xiugailujinClick},
        {"genxincongzai", &TForm1::genxincongzaiClick},
        // the tray menu
        {"xiansizuomian", &TForm1::xiansizuomianClick},
        {"xisikuozanmin2", &TForm1::xisikuozanmin2Click},
        {"xiansiyincang2", &TForm1::xiansiyincang2Click},
        {"tuopantuicu", &TForm1::tuopantuicuClick},
    };
    for (const Binding& b : bindings) {
        Handler h = b.handler;
        menuItem(b.item).onClick = [this, h] { (this->*h)(); };
    }

    // Tool bar and buttons. The tool buttons' names follow their order of creation,
    // not their order on the bar.
    ToolButton5.onClick = [this] { menusaveClick(); };
    ToolButton1.onClick = [this] { tianjiamuluClick(); };
    ToolButton2.onClick = [this] { xiugailujinClick(); };
    ToolButton3.onClick = [this] { piliangdakaiClick(); };
    ToolButton4.onClick = [this] { N28Click(); };
    Button2.onClick = [this] { Button2Click(); };
    BitBtn1.onClick = [this] { N27Click(); };
    BitBtn3.onClick = [this] { qinkongliebiaoClick(); };

    CheckListBox1.onClick = [this] { CheckListBox1Click(); };
    CheckListBox1.onDblClick = [this] { CheckListBox1DblClick(); };
    CheckListBox1.onClickCheck = [this] { CheckListBox1ClickCheck(); };
    CheckListBox1.onKeyDown = [this](ui::ShiftState shift) { CheckListBox1KeyDown(shift); };
    CheckListBox1.onKeyUp = [this] { CheckListBox1KeyUp(); };
    CheckListBox1.onMouseUp = [this] { CheckListBox1MouseUp(); };
    CheckListBox1.onStartDrag = [this](int x, int y) { CheckListBox1StartDrag(x, y); };
    CheckListBox1.onDragOver = [this](const void* source) { return CheckListBox1DragOver(source); };
    CheckListBox1.onDragDrop = [this](int x, int y) { CheckListBox1DragDrop(x, y); };
}

ui::MenuItem& TForm1::menuItem(const std::string& name) {
    for (ui::Menu* menu : {&MainMenu1, &PopupMenu1, &PopupMenu2})
        if (ui::MenuItem* item = menu->find(name)) return *item;
    throw std::logic_error("no menu item " + name);
}

std::vector<ui::Control*> TForm1::controls() {
    return {&ToolBar1, &ToolButton1, &ToolButton2, &ToolButton3, &ToolButton4, &ToolButton5, &Panel1, &CheckListBox1,
            &Panel2,   &Memo1,       &Panel3,      &Button2,     &Panel4,      &BitBtn1,     &BitBtn3};
}

std::unique_ptr<ui::MenuItem> TForm1::newMirrorItem(const std::string& caption) {
    auto item = std::make_unique<ui::MenuItem>("", caption);
    ui::MenuItem* raw = item.get();
    item->onClick = [this, raw] { mytuopanClick(*raw); };
    return item;
}

void TForm1::showMessage(const std::string& text) {
    platform_.dialogs.messageBox({text, Application.title(), mb::kOk, BoxOwner::Application});
}

int TForm1::messageBox(const std::string& text, const std::string& caption, unsigned flags, BoxOwner owner) {
    return platform_.dialogs.messageBox({text, caption, flags, owner});
}

void TForm1::playCue(const std::string& path) {
    if (platform_.files.fileExists(path)) platform_.sound.playAsync(path);
}

}  // namespace tesvar
