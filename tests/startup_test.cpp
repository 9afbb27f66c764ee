#include "Fixture.h"

namespace tesvar::testing {
namespace {

const char kHint[] = "历史文本列表框，单击为复制到剪切板，双击为复制加隐藏，填表模式按钮为切换窗口大小";
const char kHintCaption[] = "历史文本列表框，单击为复制到剪切板，双击";

class StartupTest : public ProgramTest {};

TEST_F(StartupTest, FormCreate_PresetsTheProgramState) {
    sim.files.cwd = "D:\\工具\\Tesvar";
    sim.files.putFile("D:\\工具\\Tesvar\\样例文件夹\\winxp.txt", "");
    start();
    const ProgramState& s = form->state;
    EXPECT_EQ(s.baseDir, "D:\\工具\\Tesvar");
    EXPECT_EQ(s.soundDir, "D:\\工具\\Tesvar\\音效");
    EXPECT_EQ(s.sampleDir, "D:\\工具\\Tesvar\\样例文件夹");
    EXPECT_EQ(s.sampleXpFile, "D:\\工具\\Tesvar\\样例文件夹\\winxp.txt");
    EXPECT_EQ(s.sampleVistaFile, "D:\\工具\\Tesvar\\样例文件夹\\vista.txt");
    EXPECT_EQ(s.sample7File, "D:\\工具\\Tesvar\\样例文件夹\\win7.txt");
    EXPECT_EQ(s.settingsFile, "D:\\工具\\Tesvar\\set");
    EXPECT_EQ(s.shortcutDir, "D:\\工具\\Tesvar\\程序快捷方式总集");
    // The default sample set was loaded at the end of start-up.
    EXPECT_EQ(s.currentListFile, s.sampleXpFile);
    EXPECT_EQ(s.savedListFile, s.sampleXpFile);
    EXPECT_EQ(s.saveTargetFile, s.sampleXpFile);
    EXPECT_EQ(s.listFontName, "宋体");
    EXPECT_EQ(s.listFontSize, 14);
    EXPECT_EQ(s.listFontColor, -16777208);
    EXPECT_EQ(s.trayLastMenuIndex, 5);
    EXPECT_EQ(s.trayFirstIndex, 6);
    EXPECT_EQ(s.maxListEntries, 3000);
    EXPECT_EQ(s.maxCaptionLength, 40);
    EXPECT_EQ(s.showInTray, kSet);
    EXPECT_EQ(s.startupInProgress, kClear);
    EXPECT_EQ(s.startupScaling, kClear);
    EXPECT_EQ(s.closing, kClear);
    EXPECT_EQ(s.rightMargin, 45);
    EXPECT_EQ(s.bottomMargin, 92);
    EXPECT_EQ(s.rangeAnchor, 0);
    EXPECT_FALSE(form->menuItem("qidongyincang").visible());
    EXPECT_FALSE(form->menuItem("menutop").checked());
    EXPECT_TRUE(form->menuItem("xiansituopan").checked());
    EXPECT_TRUE(form->CnTrayIcon1.active());
    EXPECT_EQ(form->CnTrayIcon1.hint(), "Tesvar");
}

TEST_F(StartupTest, SoundDir_IsCutTo255Bytes) {
    sim.files.cwd = "C:\\" + std::string(300, 'x');
    sim.dialogs.expectBox();  // no sample set there
    start();
    EXPECT_EQ(form->state.soundDir.size(), 255u);
    EXPECT_EQ(form->state.baseDir.size(), 303u);
}

// A start that stops before the default sample set is loaded shows the hint entry.
TEST_F(StartupTest, HintEntry_ShowsWholeSentenceAndMirrorsFirst40Bytes) {
    sim.files.failCurrentDirectory = 5;
    sim.dialogs.expectBox();
    start();
    ASSERT_EQ(form->CheckListBox1.count(), 1);
    EXPECT_EQ(form->CheckListBox1.text(0), kHint);
    EXPECT_EQ(form->CheckListBox1.text(0).size(), 80u);
    EXPECT_EQ(form->state.hintText, kHintCaption);
    ui::MenuItem& top = form->PopupMenu2.items();
    ASSERT_EQ(top.count(), 7);
    EXPECT_EQ(top.item(6).caption(), kHintCaption);
    EXPECT_EQ(top.item(6).caption().size(), 40u);
}

TEST_F(StartupTest, PopupMenu2_HoldsItsDesignedItemsInOrder) {
    start();
    ui::MenuItem& top = form->PopupMenu2.items();
    const char* names[] = {"N44", "N38", "tuo_cenxvkuaijie", "N78", "tuopantuicu", "lastmenu"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(top.item(i).name(), names[i]);
    EXPECT_EQ(top.item(0).caption(), "系统操作");
    EXPECT_EQ(top.item(0).count(), 5);
    EXPECT_EQ(top.item(4).caption(), "退出（本软件）");
    EXPECT_TRUE(top.item(5).isSeparator());
}

TEST_F(StartupTest, MainMenu1_HasSevenMenusWithTheirCaptions) {
    start();
    const std::pair<const char*, const char*> menus[] = {
        {"menufile", "  文件  "},      {"mu_bianji", "编辑  "}, {"N1", "设置  "},
        {"menusuju", "其他  "},        {"N47", "系统操作  "},   {"mu_wang", "帮助  "},
        {"youqinlianjie", "友情链接"},
    };
    ui::MenuItem& top = form->MainMenu1.items();
    ASSERT_EQ(top.count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(top.item(i).name(), menus[i].first);
        EXPECT_EQ(top.item(i).caption(), menus[i].second);
    }
    EXPECT_EQ(form->menuItem("qidongyincang").count(), 7);
}

TEST_F(StartupTest, DesignedLayout_IsInPlaceBeforeAnyResize) {
    start();
    EXPECT_EQ(form->caption(), "Tesvar2.0");
    EXPECT_EQ(form->bounds(), (ui::Bounds{76, 44, 691, 525}));
    EXPECT_EQ(form->CheckListBox1.bounds(), (ui::Bounds{1, 1, 567, 312}));
    EXPECT_EQ(form->Memo1.bounds(), (ui::Bounds{1, 1, 454, 53}));
    EXPECT_EQ(form->Button2.caption(), "清除");
    EXPECT_EQ(form->BitBtn1.hint(), "部分删除_保留勾");
    const char* captions[] = {"保存", "添加", "修改", "批量打开", "删除"};
    ASSERT_EQ(form->ToolBar1.buttons().size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(form->ToolBar1.buttons()[i]->caption(), captions[i]);
}

TEST_F(StartupTest, FailingStep_StopsTheSequenceShowsOneErrorBoxAndTheWindowOpens) {
    sim.files.failCurrentDirectory = 5;
    sim.dialogs.expectBox();
    start();
    ASSERT_EQ(sim.dialogs.shown.size(), 1u);
    EXPECT_EQ(sim.dialogs.shown[0].caption, "Tesvar2.0");
    EXPECT_EQ(sim.dialogs.shown[0].text, "File access denied.");
    EXPECT_EQ(sim.dialogs.shown[0].flags, mb::kIconError);
    // Steps before the failing one ran; none after it did.
    EXPECT_EQ(form->CheckListBox1.count(), 1);
    EXPECT_EQ(form->state.startupInProgress, kSet);
    EXPECT_TRUE(form->state.settingsFile.empty());
    EXPECT_TRUE(form->visible());
}

TEST_F(StartupTest, FormShow_WithTrayOffRemovesIconAndUnticksSwitch) {
    start();
    form->hide();
    form->state.showInTray = kClear;
    form->show();
    EXPECT_FALSE(form->CnTrayIcon1.active());
    EXPECT_FALSE(form->CnTrayIcon1.autoHide());
    EXPECT_FALSE(form->menuItem("xiansituopan").checked());
    EXPECT_EQ(form->state.showInTray, kClear);
    EXPECT_TRUE(form->visible());
}

TEST_F(StartupTest, CloseSequence_SetsClosingAndEndsTheApplication) {
    start();
    app.dispatch([this] { form->menuItem("tuopantuicu").click(); });
    EXPECT_EQ(form->state.closing, kSet);
    EXPECT_TRUE(app.terminated());
}

}  // namespace
}  // namespace tesvar::testing
