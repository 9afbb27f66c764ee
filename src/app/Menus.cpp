#include "app/Menus.h"

#include <memory>

namespace tesvar {

namespace {
const MenuDef kSeparator{"", "-"};
}

const std::vector<MenuDef>& mainMenuDefinition() {
    static const std::vector<MenuDef> def = {
        {"menufile",
         "  文件  ",
         {
             {"menuopen", "打开并导入"},
             kSeparator,
             {"mu_dakaiyangli", "打开  样例文件夹集_winxp（默认）"},
             kSeparator,
             {"menudakaiwenjianjia", "打开  样例文件夹集_vista"},
             kSeparator,
             {"menuopen3", "打开  样例文件夹集_win7"},
             kSeparator,
             {"menudakaisujuhe", "打开  我的数据盒>>>"},
             kSeparator,
             {"menu_cenxvkuaijie", "打开 程序快捷方式总集>>>"},
             kSeparator,
             {"genxincenxvkuaijie", "更新菜单 【程序快捷方式总集】"},
             kSeparator,
             {"menusave", "保存"},
             kSeparator,
             {"menulincun", "另存为..."},
             kSeparator,
         }},
        {"mu_bianji",
         "编辑  ",
         {
             {"mu_quanze", "全部选择"},
             {"mu_fanze", "反向选择"},
             {"N55", "全部不选"},
             kSeparator,
             {"N28", "单项删除"},
             kSeparator,
             {"N27", "部分删除_保留勾"},
             kSeparator,
             {"qinkongliebiao", "全部删除（清空列表框）"},
             kSeparator,
             {"bianjidangqian", "编辑 当前列表框文件"},
             kSeparator,
             {"paixu", "排序", {{"N42", "自动排序"}}},
             kSeparator,
             {"genxinzairu", "更新(重载) 列表框中文件"},
             kSeparator,
             {"tianjiamulu", "添加目录"},
             kSeparator,
             {"tianjiateshu",
              "添加特殊文件夹路径",
              {
                  {"w1", "我的电脑"},
                  kSeparator,
                  {"N65", "计算机"},
                  kSeparator,
                  {"N3", "我的文档"},
                  kSeparator,
                  {"N11", "收藏夹"},
                  kSeparator,
                  {"N13", "开始菜单"},
                  kSeparator,
                  {"N16", "所有用户开始菜单"},
                  kSeparator,
                  {"N22", "发送到"},
              }},
             kSeparator,
             {"xiugailujin", "修改当前路径"},
             kSeparator,
             {"piliangdakai", "批量打开文件夹"},
         }},
        {"N1",
         "设置  ",
         {
             {"menutop", "窗口保持最前面"},
             kSeparator,
             {"xiansituopan", "程序是否显示在系统托盘上（任务栏右侧）", {}, true},
             kSeparator,
             {"N67", "字体大小。。。"},
             kSeparator,
             {"mu_savesuxin", "保存当前属性设置"},
         }},
        {"menusuju",
         "其他  ",
         {
             {"cakanqidong", "查看本程序启动文件夹"},
             {"N82",
              "打开应用文件夹",
              {
                  {"N83", "程序快捷方式总集"},
                  kSeparator,
                  {"N85", "我的数据盒"},
                  kSeparator,
                  {"N87", "样例文件夹"},
              }},
         }},
        {"N47",
         "系统操作  ",
         {
             {"xisikuozanmin", "显示扩展名", {}, false, true},
             kSeparator,
             {"xiansiyincang", "显示隐藏文件", {}, false, true},
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
        {"mu_wang",
         "帮助  ",
         {
             {"readme", "帮助"},
             kSeparator,
             {"mu_ge", "个人介绍"},
             kSeparator,
             {"N56", "关于"},
             kSeparator,
             {"N58", "Kestrom_用户反馈表"},
             kSeparator,
             {"N91",
              "★★★ 杀软神器",
              {
                  {"N1001", "100%杀毒软件"},
                  kSeparator,
                  {"N94", "主动防御"},
                  kSeparator,
                  {"N96", "保护你的账号"},
              }},
             kSeparator,
             {"N23", "接受定做软件"},
             kSeparator,
             {"N60", "欢迎给我来信"},
             kSeparator,
             {"N70", "本软升级页面"},
         }},
        {"youqinlianjie",
         "友情链接",
         {
             {"my2", "华军软件园"},
             kSeparator,
             {"my3", "天空软件站"},
             kSeparator,
             {"my4", "非凡软件站"},
             kSeparator,
             {"my5", "中关村在线"},
             kSeparator,
             {"my10", "绿色下载站"},
             kSeparator,
             {"my6", "最好的虚拟主机商_中国网格"},
             {"my7", "中国网格详情"},
             kSeparator,
             {"my8", "BRSBOX 免费网络硬盘"},
             kSeparator,
             {"my9", "广告位招租"},
         }},
    };
    return def;
}

const std::vector<MenuDef>& popupMenu1Definition() {
    static const std::vector<MenuDef> def = {
        kSeparator,
        {"bianjidangq", "编辑 当前列表框文件"},
        kSeparator,
        kSeparator,
        {"xiansiwenjianmin", "显示 当前文件名+路径"},
        kSeparator,
        {"N39", "修改当前路径"},
        kSeparator,
        {"genxincongzai", "更新(重载) 列表框中文件"},
        kSeparator,
    };
    return def;
}

const std::vector<MenuDef>& popupMenu2Definition() {
    static const std::vector<MenuDef> def = {
        {"N44",
         "系统操作",
         {
             {"xiansizuomian", "显示桌面（系统）"},
             kSeparator,
             {"xisikuozanmin2", "显示扩展名", {}, false, true},
             kSeparator,
             {"xiansiyincang2", "显示隐藏文件", {}, false, true},
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
        item.setAutoCheck(d.autoCheck);
        addItems(item, d.items);
    }
}

void buildMenu(ui::Menu& menu, const std::vector<MenuDef>& items) { addItems(menu.items(), items); }

}  // namespace tesvar
