#include "Fixture.h"

namespace tesvar::testing {
namespace {

using Captions = std::vector<std::string>;

const std::string kBox = "C:\\Tesvar\\我的数据盒";
const std::string kLinks = "C:\\Tesvar\\程序快捷方式总集";

std::string describe(const ShellExecuteRequest& r) {
    return std::to_string(static_cast<int>(r.owner)) + "|" + r.verb + "|" + r.file + "|" + r.parameters + "|" +
           r.directory + "|" + std::to_string(r.show);
}

std::vector<std::string> describe(const std::vector<ShellExecuteRequest>& requests) {
    std::vector<std::string> texts;
    for (const ShellExecuteRequest& r : requests) texts.push_back(describe(r));
    return texts;
}

class FileMenusTest : public ProgramTest {
protected:
    Captions captions(const std::string& submenu) {
        Captions texts;
        ui::MenuItem& menu = form->menuItem(submenu);
        for (int i = 0; i < menu.count(); ++i) texts.push_back(menu.item(i).caption());
        return texts;
    }
    // A click on item `index` of a generated submenu, through the toolkit's dispatch.
    void clickEntry(const std::string& submenu, int index) {
        app.dispatch([&] { form->menuItem(submenu).item(index).click(); });
    }
    void startWithoutLaunches() {
        start();
        sim.shell.executed.clear();
    }
};

TEST_F(FileMenusTest, DataBox_ListsEveryTxtMatchInDirectoryOrderEachFollowedByASeparator) {
    sim.files.putFile(kBox + "\\b.txt", "B:\\\r\n");
    sim.files.putFile(kBox + "\\notes.doc", "");
    sim.files.putFile(kBox + "\\a.txt", "A:\\\r\n");
    sim.files.putDirectory(kBox + "\\x.txt");
    sim.files.putFile(kBox + "\\R&D.txt", "");
    sim.files.putFile(kBox + "\\sub\\deep.txt", "");
    start();
    EXPECT_EQ(captions("menudakaisujuhe"), (Captions{"b.txt", "-", "a.txt", "-", "x.txt", "-", "R&D.txt", "-"}));
}

TEST_F(FileMenusTest, DataBox_EmptyOrMissingFolderLeavesTheSubmenuEmpty) {
    struct Case {
        const char* name;
        bool folder;
    };
    for (const Case c : {Case{"missing", false}, Case{"empty", true}}) {
        SCOPED_TRACE(c.name);
        if (c.folder) sim.files.putDirectory(kBox);
        start();
        EXPECT_EQ(captions("menudakaisujuhe"), Captions{});
        EXPECT_TRUE(sim.dialogs.shown.empty());
    }
}

TEST_F(FileMenusTest, DataBox_EntryLoadsItsFileEvenWithAnAmpersandInItsName) {
    sim.files.putFile(kBox + "\\a.txt", "A:\\one\r\n");
    sim.files.putFile(kBox + "\\R&D.txt", "D:\\研发\r\nD:\\tests\r\n");
    start();
    clickEntry("menudakaisujuhe", 2);
    EXPECT_EQ(entries(), (std::vector<std::string>{"D:\\研发", "D:\\tests"}));
    EXPECT_EQ(mirrorCaptions(), (std::vector<std::string>{"研发", "tests"}));
    EXPECT_EQ(form->state.currentListFile, kBox + "\\R&D.txt");
    EXPECT_EQ(form->state.savedListFile, kBox + "\\R&D.txt");
}

TEST_F(FileMenusTest, DataBox_EntryWhoseFileIsGoneOrAFolderShowsTheErrorBox) {
    sim.files.putFile(kBox + "\\gone.txt", "");
    sim.files.putDirectory(kBox + "\\x.txt");
    start();
    sim.files.remove(kBox + "\\gone.txt");
    for (int index : {0, 2}) {
        const std::string path = kBox + "\\" + form->menuItem("menudakaisujuhe").item(index).caption();
        sim.dialogs.expectBox();
        clickEntry("menudakaisujuhe", index);
        ASSERT_FALSE(sim.dialogs.shown.empty());
        EXPECT_EQ(sim.dialogs.shown.back().text, "文件路径不存在 " + path);
        EXPECT_EQ(sim.dialogs.shown.back().caption, "出错");
        EXPECT_EQ(sim.dialogs.shown.back().flags, mb::kOk);
        // The list stays; only the current file name moved to the missing one.
        EXPECT_EQ(entries(), (std::vector<std::string>{"我的电脑", "C:\\WINDOWS", "C:\\Program Files"}));
        EXPECT_EQ(form->state.currentListFile, path);
    }
}

TEST_F(FileMenusTest, DataBox_SaveAsRebuildsTheSubmenuWithoutDuplicates) {
    sim.files.putFile(kBox + "\\a.txt", "");
    start();
    sim.dialogs.expectFile(kBox + "\\new.txt");
    click("menulincun");
    EXPECT_EQ(captions("menudakaisujuhe"), (Captions{"a.txt", "-", "new.txt", "-"}));
}

TEST_F(FileMenusTest, Shortcuts_BothSubmenusGetTheSameEntriesAndAreRebuiltOnRequest) {
    sim.files.putFile(kLinks + "\\记事本.lnk", "L");
    sim.files.putFile(kLinks + "\\readme.txt", "");
    sim.files.putFile(kLinks + "\\A&B.lnk", "L");
    start();
    const Captions first = {"记事本.lnk", "-", "A&B.lnk", "-"};
    EXPECT_EQ(captions("menu_cenxvkuaijie"), first);
    EXPECT_EQ(captions("tuo_cenxvkuaijie"), first);

    sim.files.remove(kLinks + "\\记事本.lnk");
    sim.files.putFile(kLinks + "\\calc.lnk", "L");
    click("genxincenxvkuaijie");
    const Captions second = {"A&B.lnk", "-", "calc.lnk", "-"};
    EXPECT_EQ(captions("menu_cenxvkuaijie"), second);
    EXPECT_EQ(captions("tuo_cenxvkuaijie"), second);

    sim.files.remove(kLinks + "\\A&B.lnk");
    sim.files.remove(kLinks + "\\calc.lnk");
    click("genxincenxvkuaijie");
    EXPECT_EQ(captions("menu_cenxvkuaijie"), Captions{});
    EXPECT_EQ(captions("tuo_cenxvkuaijie"), Captions{});
}

TEST_F(FileMenusTest, Shortcuts_EntryResolvesTheLinkAndLaunchesItsTarget) {
    sim.files.putFile(kLinks + "\\A&B.lnk", "L");
    sim.links.put(kLinks + "\\A&B.lnk", "C:\\Tools\\ab.exe");
    sim.desktop.active = sim.desktop.add("dialog", "#32770", true, 0);
    startWithoutLaunches();
    for (const char* submenu : {"menu_cenxvkuaijie", "tuo_cenxvkuaijie"}) {
        SCOPED_TRACE(submenu);
        sim.links.log.clear();
        sim.shell.executed.clear();
        clickEntry(submenu, 0);
        const std::string owner = std::to_string(sim.desktop.active);
        EXPECT_EQ(sim.links.log, (std::vector<std::string>{"create", "load " + kLinks + "\\A&B.lnk",
                                                           "resolve " + owner + " 8", "getPath 2", "release"}));
        EXPECT_EQ(describe(sim.shell.executed),
                  std::vector<std::string>{describe({ShellOwner::MainWindow, "open", "C:\\Tools\\ab.exe", "", "", 1})});
    }
}

TEST_F(FileMenusTest, Shortcuts_UnresolvableLinkLaunchesTheFailureTextSilently) {
    struct Case {
        const char* name;
        bool loads, resolves, hasPath;
        std::vector<std::string> log;
    };
    const std::string path = kLinks + "\\x.lnk";
    const Case cases[] = {
        {"load fails", false, true, true, {"create", "load " + path, "release"}},
        {"resolve fails", true, false, true, {"create", "load " + path, "resolve 1 8", "release"}},
        {"no path", true, true, false, {"create", "load " + path, "resolve 1 8", "getPath 2", "release"}},
    };
    sim.files.putFile(path, "L");
    startWithoutLaunches();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.links.log.clear();
        sim.shell.executed.clear();
        sim.links.put(path, "C:\\gone.exe");
        sim.links.link(path).loads = c.loads;
        sim.links.link(path).resolves = c.resolves;
        sim.links.link(path).hasPath = c.hasPath;
        clickEntry("menu_cenxvkuaijie", 0);
        EXPECT_EQ(sim.links.log, c.log);
        ASSERT_EQ(sim.shell.executed.size(), 1u);
        EXPECT_EQ(sim.shell.executed[0].file, "unable to resolve link");
        EXPECT_TRUE(sim.dialogs.shown.empty());
    }
}

TEST_F(FileMenusTest, Shortcuts_EntryWhoseFileIsGoneShowsTheMessageAfterResolving) {
    sim.files.putFile(kLinks + "\\x.lnk", "L");
    startWithoutLaunches();
    sim.files.remove(kLinks + "\\x.lnk");
    sim.dialogs.expectBox();
    clickEntry("tuo_cenxvkuaijie", 0);
    ASSERT_EQ(sim.dialogs.shown.size(), 1u);
    EXPECT_EQ(sim.dialogs.shown[0].text, "文件不存在  " + kLinks + "\\x.lnk");
    EXPECT_EQ(sim.dialogs.shown[0].caption, "Tesvar2.0");
    EXPECT_EQ(sim.links.log.front(), "create");
    EXPECT_TRUE(sim.shell.executed.empty());
}

TEST_F(FileMenusTest, Shortcuts_MissingShellLinkObjectReachesTheErrorBox) {
    sim.files.putFile(kLinks + "\\x.lnk", "L");
    startWithoutLaunches();
    sim.links.failCreate = "Class not registered";
    sim.dialogs.expectBox();
    clickEntry("menu_cenxvkuaijie", 0);
    ASSERT_EQ(sim.dialogs.shown.size(), 1u);
    EXPECT_EQ(sim.dialogs.shown[0].text, "Class not registered.");
    EXPECT_EQ(sim.dialogs.shown[0].flags, mb::kIconError);
    EXPECT_TRUE(sim.shell.executed.empty());
}

TEST_F(FileMenusTest, FolderCommands_OpenTheirFolderMaximisedWithoutTestingIt) {
    struct Case {
        const char* item;
        std::string folder;
    };
    const Case cases[] = {
        {"cakanqidong", "C:\\Tesvar"},
        {"N83", kLinks},
        {"N85", kBox},
        {"N87", "C:\\Tesvar\\样例文件夹"},
    };
    startWithoutLaunches();
    sim.files.remove("C:\\Tesvar");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        sim.shell.executed.clear();
        click(c.item);
        EXPECT_EQ(describe(sim.shell.executed),
                  std::vector<std::string>{describe(
                      {ShellOwner::MainWindow, "open", "Explorer.exe", "/n," + c.folder, "", sw::kShowMaximized})});
    }
}

TEST_F(FileMenusTest, EditEntry_OpensTheDataBoxFileMaximisedOrSaysItIsMissing) {
    sim.files.putFile(kBox + "\\a.txt", "");
    sim.files.putFile(kLinks + "\\x.lnk", "L");
    startWithoutLaunches();
    // The shortcut menus were built after the data box; the file is still looked for in the data box.
    ui::MenuItem entry("", "a.txt");
    app.dispatch([&] { form->bianjiMyClick(entry); });
    EXPECT_EQ(describe(sim.shell.executed),
              std::vector<std::string>{describe({ShellOwner::MainWindow, "open", kBox + "\\a.txt", "", "", 3})});
    EXPECT_EQ(form->state.currentListFile, kBox + "\\a.txt");

    ui::MenuItem missing("", "b.txt");
    sim.dialogs.expectBox();
    app.dispatch([&] { form->bianjiMyClick(missing); });
    ASSERT_EQ(sim.dialogs.shown.size(), 1u);
    EXPECT_EQ(sim.dialogs.shown[0].text, "文件不存在  " + kBox + "\\b.txt");
    EXPECT_EQ(sim.shell.executed.size(), 1u);
}

}  // namespace
}  // namespace tesvar::testing
