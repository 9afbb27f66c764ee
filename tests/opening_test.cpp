#include "Fixture.h"

namespace tesvar::testing {
namespace {

using Entries = std::vector<std::string>;

class OpeningTest : public ProgramTest {
protected:
    void SetUp() override {
        sim.shell.specialFolders = {
            {5, "C:\\Docs"}, {6, "C:\\Fav"}, {11, "C:\\Start"}, {22, "C:\\AllStart"}, {9, "C:\\SendTo"}};
        for (const char* dir : {"C:\\Docs", "C:\\Fav", "C:\\Start", "C:\\AllStart", "C:\\SendTo", "D:\\Work"})
            sim.files.putDirectory(dir);
    }
    void startWithList(const std::string& bytes) {
        sim.files.putFile("C:\\Tesvar\\样例文件夹\\winxp.txt", bytes);
        start();
    }
    void doubleClick(int index) {
        app.dispatch([&] { form->CheckListBox1.setItemIndex(index); });
        app.dispatch([&] { form->CheckListBox1.onDblClick(); });
    }
    std::string launched() const {
        if (sim.shell.executed.empty()) return "";
        const ShellExecuteRequest& r = sim.shell.executed.back();
        return r.file + " " + r.parameters + " " + std::to_string(r.show);
    }
};

TEST_F(OpeningTest, SingleOpen_ResolvesNamesAndTestsTheFolder) {
    struct Case {
        std::string entry;
        std::string launch;   // empty: nothing launched
        std::string message;  // empty: no message
    };
    const Case cases[] = {
        {"我的电脑", "explorer.exe ::{20D04FE0-3AEA-1069-A2D8-08002B30309D} 3", ""},
        {"计算机", "explorer.exe ::{20D04FE0-3AEA-1069-A2D8-08002B30309D} 3", ""},
        {"我的文档", "Explorer.exe /n,C:\\Docs 3", ""},
        {"收藏夹", "Explorer.exe /n,C:\\Fav 3", ""},
        {"开始菜单", "Explorer.exe /n,C:\\Start 3", ""},
        {"所有用户开始菜单", "Explorer.exe /n,C:\\AllStart 3", ""},
        {"发送到", "Explorer.exe /n,C:\\SendTo 3", ""},
        {"D:\\Work", "Explorer.exe /n,D:\\Work 3", ""},
        {" 我的文档", "", "文件夹路径不存在   我的文档"},
        {"D:\\Gone", "", "文件夹路径不存在  D:\\Gone"},
        {"C:\\Tesvar\\样例文件夹\\winxp.txt", "", "文件夹路径不存在  C:\\Tesvar\\样例文件夹\\winxp.txt"},  // a file
        {"", "", "文件夹路径不存在  "},
    };
    std::string bytes;
    for (const Case& c : cases) bytes += c.entry + "\r\n";
    startWithList(bytes);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        sim.shell.executed.clear();
        app.restore();
        if (!c.message.empty()) sim.dialogs.expectBox();
        doubleClick(static_cast<int>(i));
        EXPECT_EQ(launched(), c.launch) << c.entry;
        EXPECT_EQ(app.minimized(), !c.launch.empty()) << c.entry;
        if (!c.message.empty()) {
            EXPECT_EQ(sim.dialogs.shown.back().text, c.message);
            EXPECT_EQ(sim.dialogs.shown.back().caption, "Tesvar2.0");
        }
        if (!c.launch.empty()) {
            EXPECT_EQ(sim.shell.executed.back().verb, "open");
            EXPECT_EQ(sim.shell.executed.back().owner, ShellOwner::MainWindow);
        }
    }
}

TEST_F(OpeningTest, SingleOpen_StaysUpWhenKeptOnTopExceptForMyComputer) {
    startWithList("D:\\Work\r\n计算机\r\n");
    form->menuItem("menutop").setChecked(true);
    doubleClick(0);
    EXPECT_EQ(launched(), "Explorer.exe /n,D:\\Work 3");
    EXPECT_FALSE(app.minimized());
    doubleClick(1);
    EXPECT_TRUE(app.minimized());
}

TEST_F(OpeningTest, DoubleClick_WithoutSelectionDoesNothing) {
    startWithList("D:\\Work\r\n");
    app.dispatch([&] { form->CheckListBox1.onDblClick(); });
    EXPECT_TRUE(sim.shell.executed.empty());
}

TEST_F(OpeningTest, TrayItem_OpensItsEntrySelectsItAndNeverMinimises) {
    startWithList("D:\\Gone\r\n我的电脑\r\nD:\\Work\r\nD:\\Work\r\n");
    ui::MenuItem& top = form->PopupMenu2.items();
    app.dispatch([&] { top.item(form->state.trayFirstIndex + 3).click(); });
    EXPECT_EQ(launched(), "Explorer.exe /n,D:\\Work 3");
    EXPECT_EQ(form->CheckListBox1.itemIndex(), 3);
    EXPECT_EQ(form->Memo1.text(), "");  // the list's click handler did not run
    app.dispatch([&] { top.item(form->state.trayFirstIndex + 1).click(); });
    EXPECT_EQ(launched(), "explorer.exe ::{20D04FE0-3AEA-1069-A2D8-08002B30309D} 3");
    EXPECT_FALSE(app.minimized());
    sim.dialogs.expectBox();
    app.dispatch([&] { top.item(form->state.trayFirstIndex).click(); });
    EXPECT_EQ(sim.dialogs.shown.back().text, "文件夹路径不存在  D:\\Gone");
}

TEST_F(OpeningTest, BatchOpen_ReportsMissingFoldersAndSummarises) {
    struct Case {
        const char* name;
        std::string list;
        std::vector<bool> ticks;
        std::vector<std::string> rooted;
        std::string memo;
        std::string summary;
    };
    const Case cases[] = {
        {"all exist", "D:\\Work\r\nC:\\Docs\r\n", {true, true}, {"D:\\Work", "C:\\Docs"}, "", "全部成功打开"},
        {"some missing",
         "D:\\Work\r\nB:\\x\r\nC:\\y\r\n",
         {true, true, true},
         {"D:\\Work"},
         "打开失败  B:\\x\r\n打开失败  C:\\y\r\n",
         "打开有失败，请查看下方编辑框记录"},
        {"none ticked", "D:\\Work\r\n", {false}, {}, "", "一个都没打开"},
        {"names are paths here",
         "我的电脑\r\n我的文档\r\n",
         {true, true},
         {},
         "打开失败  我的电脑\r\n打开失败  我的文档\r\n",
         "一个都没打开"},
    };
    for (const Case& c : cases) {
        startWithList(c.list);
        for (size_t i = 0; i < c.ticks.size(); ++i) form->CheckListBox1.setChecked(static_cast<int>(i), c.ticks[i]);
        form->Memo1.setText("old");
        sim.shell.executed.clear();
        sim.dialogs.expectBox(mb::kIdOk);
        sim.dialogs.expectBox();
        app.dispatch([&] { form->ToolButton3.click(); });
        std::vector<std::string> rooted;
        for (const ShellExecuteRequest& r : sim.shell.executed) {
            EXPECT_EQ(r.file, "Explorer.exe");
            EXPECT_EQ(r.show, 3);
            rooted.push_back(r.parameters.substr(6));
            EXPECT_EQ(r.parameters.substr(0, 6), "/root,");
        }
        EXPECT_EQ(rooted, c.rooted) << c.name;
        EXPECT_EQ(form->Memo1.text(), c.memo) << c.name;
        const auto& shown = sim.dialogs.shown;
        ASSERT_GE(shown.size(), 2u);
        EXPECT_EQ(shown[shown.size() - 2].caption, "批量打开文件夹");
        EXPECT_EQ(shown[shown.size() - 2].text, "必须确保需要打开的文件夹地址左侧都打上勾，你确信开始打开吗?");
        EXPECT_EQ(shown[shown.size() - 2].flags, 0x1021u);
        EXPECT_EQ(shown[shown.size() - 2].owner, BoxOwner::None);
        EXPECT_EQ(shown.back().caption, "批量打开文件夹记录");
        EXPECT_EQ(shown.back().text, c.summary) << c.name;
        EXPECT_EQ(shown.back().flags, 0u);
        EXPECT_FALSE(app.minimized());
    }
}

TEST_F(OpeningTest, BatchOpen_CancelOrEmptyListChangesNothing) {
    startWithList("D:\\Work\r\n");
    form->CheckListBox1.setChecked(0, true);
    form->Memo1.setText("kept");
    sim.dialogs.expectBox(mb::kIdCancel);
    click("piliangdakai");
    EXPECT_EQ(form->Memo1.text(), "kept");
    EXPECT_TRUE(sim.shell.executed.empty());

    sim.dialogs.expectBox(mb::kIdOk);
    click("qinkongliebiao");
    sim.dialogs.expectBox();
    click("piliangdakai");
    EXPECT_EQ(sim.dialogs.shown.back().text, "出错！列表框中无内容或文件，请先调入文件");
    EXPECT_EQ(sim.dialogs.shown.back().caption, "出错");
    EXPECT_EQ(sim.dialogs.shown.back().owner, BoxOwner::Application);
}

TEST_F(OpeningTest, SpecialFolders_ResolvedOnceAtStartAndAddedByName) {
    startWithList("");
    EXPECT_EQ(form->state.myDocumentsPath, "C:\\Docs");
    EXPECT_EQ(form->state.sendToPath, "C:\\SendTo");
    const std::pair<const char*, const char*> adds[] = {
        {"w1", "我的电脑"},  {"N65", "计算机"},           {"N3", "我的文档"}, {"N11", "收藏夹"},
        {"N13", "开始菜单"}, {"N16", "所有用户开始菜单"}, {"N22", "发送到"},  {"N22", "发送到"},
    };
    const int focus = form->CheckListBox1.focusRequests();
    Entries names;
    for (const auto& [item, name] : adds) {
        form->Memo1.setText("x");
        form->CheckListBox1.setHint("x");
        click(item);
        names.push_back(name);
        EXPECT_EQ(form->Memo1.text(), "");
        EXPECT_EQ(form->CheckListBox1.hint(), "");
        EXPECT_EQ(form->CheckListBox1.itemIndex(), form->CheckListBox1.count() - 1);
    }
    EXPECT_EQ(entries(), names);
    EXPECT_EQ(mirrorCaptions(), names);
    EXPECT_EQ(form->CheckListBox1.focusRequests(), focus);
}

TEST_F(OpeningTest, AddFolder_BrowsesFromTheLastChoice) {
    startWithList("");
    sim.dialogs.expectFolder("");  // cancelled
    form->Memo1.setText("x");
    app.dispatch([&] { form->ToolButton1.click(); });
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(form->Memo1.text(), "");
    EXPECT_EQ(form->state.lastBrowseDir, "");
    sim.dialogs.expectFolder("D:\\Work\\Proj");
    click("tianjiamulu");
    sim.dialogs.expectFolder("C:\\");
    click("tianjiamulu");
    EXPECT_EQ(entries(), (Entries{"D:\\Work\\Proj", "C:\\"}));
    EXPECT_EQ(mirrorCaptions(), (Entries{"Proj", "C:\\"}));
    const auto& log = sim.dialogs.log;
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].text, "添加目录全路径，请选择一个目录");
    EXPECT_EQ(log[0].extra, "");
    EXPECT_EQ(log[2].extra, "D:\\Work\\Proj");
    EXPECT_EQ(form->state.lastBrowseDir, "C:\\");
}

TEST_F(OpeningTest, ChangePath_ReplacesTheEntryNotedAtTheStart) {
    startWithList("a\r\nb\r\nc\r\n我的文档\r\n");
    click("xiugailujin");  // nothing selected: no dialog
    form->CheckListBox1.setChecked(3, true);
    app.dispatch([&] { form->CheckListBox1.userSelect(3); });
    sim.dialogs.expectFolder("D:\\Docs");
    click("N39");
    EXPECT_EQ(entries(), (Entries{"a", "b", "c", "D:\\Docs"}));
    EXPECT_TRUE(form->CheckListBox1.checked(3));
    EXPECT_EQ(form->CheckListBox1.itemIndex(), 3);
    EXPECT_EQ(mirrorCaptions().back(), "Docs");
    EXPECT_EQ(sim.dialogs.log.back().text, "修改当前目录路径，请选择一个目录");

    // The user selects another entry, then deletes an entry above, while the dialog is open.
    app.dispatch([&] { form->CheckListBox1.userSelect(1); });
    sim.dialogs.whileOpen = [&] {
        form->CheckListBox1.setItemIndex(0);
        form->N28Click();
    };
    sim.dialogs.expectFolder("E:\\New");
    app.dispatch([&] { form->ToolButton2.click(); });
    EXPECT_EQ(entries(), (Entries{"E:\\New", "c", "D:\\Docs"}));
    EXPECT_EQ(mirrorCaptions(), (Entries{"New", "c", "Docs"}));

    // The noted entry is deleted meanwhile: nothing is written anywhere.
    sim.dialogs.whileOpen = [&] { form->N28Click(); };
    sim.dialogs.expectFolder("F:\\Lost");
    click("xiugailujin");
    EXPECT_EQ(entries(), (Entries{"c", "D:\\Docs"}));
    EXPECT_EQ(mirrorCaptions(), (Entries{"c", "Docs"}));
}

}  // namespace
}  // namespace tesvar::testing
