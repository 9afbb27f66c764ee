#include "app/Menus.h"

#include <memory>

namespace tesvar {

const std::vector<MenuDef>& mainMenuDefinition() {
    static const std::vector<MenuDef> def = {
        {"menufile", "  文件  "},
        {"mu_bianji", "编辑  "},
        {"N1",
         "设置  ",
         {
             {"menutop", "窗口保持最前面"},
             {"", "-"},
             {"xiansituopan", "程序是否显示在系统托盘上（任务栏右侧）", {}, true},
             {"", "-"},
             {"N67", "字体大小。。。"},
             {"", "-"},
             {"mu_savesuxin", "保存当前属性设置"},
         }},
        {"menusuju", "其他  "},
        {"N47",
         "系统操作  ",
         {
             {"qidongyincang",
              "启动时隐藏",
              {
                  {"qidongduruzuce", "启动时读入注册表"},
                  {"zenjiamuluzi", "增加目录子过程"},
                  {"cuangtisuofang", "窗体启动缩放"},
                  {"durusezi", "读入设置文件"},
                  {"wodesujuhedongtai", "我的数据盒动态菜单生成"},
                  {"cenxvkuaijiedongtai", "程序快捷方式总集动态菜单生成"},
                  {"huanpifu", "换皮肤"},
              }},
         }},
        {"mu_wang", "帮助  "},
        {"youqinlianjie", "友情链接"},
    };
    return def;
}

const std::vector<MenuDef>& popupMenu1Definition() {
    static const std::vector<MenuDef> def = {};
    return def;
}

const std::vector<MenuDef>& popupMenu2Definition() {
    static const std::vector<MenuDef> def = {
        {"N44",
         "系统操作",
         {
             {"xiansizuomian", "显示桌面（系统）"},
             {"", "-"},
             {"xisikuozanmin2", "显示扩展名"},
             {"", "-"},
             {"xiansiyincang2", "显示隐藏文件"},
         }},
        {"N38", "-"},
        {"tuo_cenxvkuaijie", "打开 程序快捷方式总集"},
        {"N78", "-"},
        {"tuopantuicu", "退出（本软件）"},
        {"lastmenu", "-"},
    };
    return def;
}

static void addItems(ui::MenuItem& parent, const std::vector<MenuDef>& items) {
    for (const MenuDef& d : items) {
        ui::MenuItem& item = parent.add(std::make_unique<ui::MenuItem>(d.name, d.caption));
        item.setChecked(d.checked);
        addItems(item, d.items);
    }
}

void buildMenu(ui::Menu& menu, const std::vector<MenuDef>& items) { addItems(menu.items(), items); }

}  // namespace tesvar
