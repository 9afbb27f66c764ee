#include "app/Form1.h"

#include <stdexcept>

#include "app/Menus.h"

namespace tesvar {

TForm1::TForm1(Platform& platform, ui::Application& application)
    : ui::Form("Form1"), Application(application), platform_(platform) {
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
        {&ToolButton1, "保存", "保存"},
        {&ToolButton2, "添加", "添加目录"},
        {&ToolButton3, "修改", "修改当前路径"},
        {&ToolButton4, "批量打开", "批量打开文件夹"},
        {&ToolButton5, "删除", "单项删除"},
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

    CnTrayIcon1.setHint("Tesvar");
    CnTrayIcon1.setPopupMenu(&PopupMenu2);
    CnTrayIcon1.onClick = [this] { CnTrayIcon1Click(); };

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
        {"xiansituopan", &TForm1::xiansituopanClick},
        {"tuopantuicu", &TForm1::tuopantuicuClick},
        {"qidongduruzuce", &TForm1::qidongduruzuceClick},
        {"zenjiamuluzi", &TForm1::zenjiamuluziClick},
        {"cuangtisuofang", &TForm1::cuangtisuofangClick},
        {"durusezi", &TForm1::duruseziClick},
        {"wodesujuhedongtai", &TForm1::wodesujuhedongtaiClick},
        {"cenxvkuaijiedongtai", &TForm1::cenxvkuaijiedongtaiClick},
        {"huanpifu", &TForm1::huanpifuClick},
        {"mu_savesuxin", &TForm1::mu_savesuxinClick},
    };
    for (const Binding& b : bindings) {
        Handler h = b.handler;
        menuItem(b.item).onClick = [this, h] { (this->*h)(); };
    }
}

ui::MenuItem& TForm1::menuItem(const std::string& name) {
    for (ui::Menu* menu : {&MainMenu1, &PopupMenu1, &PopupMenu2})
        if (ui::MenuItem* item = menu->find(name)) return *item;
    throw std::logic_error("no menu item " + name);
}

std::vector<ui::Control*> TForm1::controls() {
    return {&ToolBar1, &ToolButton1, &ToolButton2, &ToolButton3, &ToolButton4, &ToolButton5,
            &Panel1,   &CheckListBox1, &Panel2,    &Memo1,       &Panel3,      &Button2,
            &Panel4,   &BitBtn1,       &BitBtn3};
}

std::unique_ptr<ui::MenuItem> TForm1::newMirrorItem(const std::string& caption) {
    auto item = std::make_unique<ui::MenuItem>("", caption);
    ui::MenuItem* raw = item.get();
    item->onClick = [this, raw] { mytuopanClick(*raw); };
    return item;
}

void TForm1::playCue(const std::string& path) {
    if (platform_.files.fileExists(path)) platform_.sound.playAsync(path);
}

}  // namespace tesvar
