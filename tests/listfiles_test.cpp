#include "Fixture.h"
#include "folderlist/ListFileFormat.h"

namespace tesvar::testing {
namespace {

using Entries = std::vector<std::string>;

TEST(ListFileFormatTest, Parse_LineEndsAndEndOfFileMarks) {
    struct Case {
        const char* name;
        std::string bytes;
        Entries entries;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF only", "a\nb\n", {"a", "b"}},
        {"no final line end", "a\r\nb", {"a", "b"}},
        {"empty line kept", std::string("a\r\n\r\nb"), {"a", "", "b"}},
        {"two final line ends", "a\r\n\r\n", {"a", ""}},
        {"lone CR dropped", "a\rb\r\nc", {"ab", "c"}},
        {"CR before end", "a\r", {"a"}},
        {"0x1A at line start ends the file",
         std::string("a\r\n\x1A"
                     "b\r\nc\r\n"),
         {"a"}},
        {"0x1A inside a line ends the entry",
         std::string("ab\x1A"
                     "cd\r\ne"),
         {"ab", "e"}},
        {"0x1A first",
         std::string("\x1A"
                     "a"),
         {}},
        {"spaces and tabs kept", " a\t \r\n", {" a\t "}},
        {"byte-order mark is text",
         "\xEF\xBB\xBF"
         "a",
         {"\xEF\xBB\xBF"
          "a"}},
        {"GBK with 0x5C trail byte", "D:\\乗\r\n", {"D:\\乗"}},
    };
    for (const Case& c : cases) {
        const ParsedList parsed = parseListFile(c.bytes, 3000);
        EXPECT_EQ(parsed.entries, c.entries) << c.name;
        EXPECT_FALSE(parsed.truncated) << c.name;
    }
}

TEST(ListFileFormatTest, Parse_LimitIsCheckedBeforeEachLine) {
    struct Case {
        std::string bytes;
        size_t entries;
        bool truncated;
    };
    const Case cases[] = {
        {"a\r\nb\r\nc\r\n", 3, false},     {"a\r\nb\r\nc", 3, false},
        {"a\r\nb\r\nc\r\nd", 3, true},     {"a\r\nb\r\nc\r\n\r\n", 3, true},  // the empty fourth line counts
        {"a\r\nb\r\nc\r\n\x1A", 3, false},
    };
    for (const Case& c : cases) {
        const ParsedList parsed = parseListFile(c.bytes, 3);
        EXPECT_EQ(parsed.entries.size(), c.entries);
        EXPECT_EQ(parsed.truncated, c.truncated);
    }
}

TEST(ListFileFormatTest, Format_EveryEntryEndsWithCrLfAndReadsBack) {
    EXPECT_EQ(formatListFile({}), "");
    EXPECT_EQ(formatListFile({"a", "", "D:\\资料"}), "a\r\n\r\nD:\\资料\r\n");
    const Entries entries = {"", " x ", "C:\\", "我的电脑", ""};
    EXPECT_EQ(parseListFile(formatListFile(entries), 3000).entries, entries);
}

class ListFilesTest : public ProgramTest {
protected:
    const std::string xp = "C:\\Tesvar\\样例文件夹\\winxp.txt";
    const std::string saveCue = "C:\\Tesvar\\音效\\保存.wav";
    void SetUp() override { sim.files.putFile(saveCue, "RIFF"); }
    void put(const std::string& path, const std::string& bytes) { sim.files.putFile(path, bytes); }
    std::string lines(int n) {
        std::string bytes;
        for (int i = 0; i < n; ++i) bytes += "D:\\" + std::to_string(i) + "\r\n";
        return bytes;
    }
};

TEST_F(ListFilesTest, Startup_LoadsDefaultSampleSetInPlaceOfTheHint) {
    start();
    EXPECT_EQ(entries(), (Entries{"我的电脑", "C:\\WINDOWS", "C:\\Program Files"}));
    EXPECT_EQ(mirrorCaptions(), (Entries{"我的电脑", "WINDOWS", "Program Files"}));
    EXPECT_EQ(form->CheckListBox1.itemIndex(), -1);
    EXPECT_EQ(form->state.savedListFile, xp);
}

TEST_F(ListFilesTest, Load_LimitShowsMessageKeeps3000AndAsksForANameOnNextSave) {
    start();
    struct Case {
        int lines;
        bool message;
    };
    for (const Case c : {Case{3000, false}, Case{3001, true}}) {
        put("D:\\big.txt", lines(c.lines));
        if (c.message) sim.dialogs.expectBox();
        form->state.currentListFile = "D:\\big.txt";
        app.dispatch([&] { form->menuopenmy(form->state.currentListFile); });
        EXPECT_EQ(form->CheckListBox1.count(), 3000);
        EXPECT_EQ(static_cast<int>(mirrorCaptions().size()), 3000);
        EXPECT_EQ(form->state.currentListFile, "D:\\big.txt");
        if (c.message) {
            ASSERT_FALSE(sim.dialogs.shown.empty());
            EXPECT_EQ(sim.dialogs.shown.back().text, "文本太多>3000，装不下,建议立刻清空或部分删除");
            EXPECT_EQ(sim.dialogs.shown.back().caption, "Tesvar2.0");
            // The shortened list must not silently replace the user's file.
            EXPECT_EQ(form->state.savedListFile, "");
        } else {
            EXPECT_EQ(form->state.savedListFile, "D:\\big.txt");
        }
    }
    sim.dialogs.expectFile("");  // the save asks for a name; the user cancels
    click("menusave");
    EXPECT_EQ(*sim.files.file("D:\\big.txt"), lines(3001));
}

TEST_F(ListFilesTest, Load_MissingFileEmptiesListAndNextSaveCreatesIt) {
    start();
    sim.dialogs.expectBox();
    form->state.currentListFile = "C:\\Tesvar\\gone.txt";
    app.dispatch([&] { form->menuopenmy(form->state.currentListFile); });
    EXPECT_EQ(sim.dialogs.shown.back().text, "File not found.");
    EXPECT_TRUE(entries().empty());
    EXPECT_TRUE(mirrorCaptions().empty());
    EXPECT_EQ(form->state.savedListFile, "C:\\Tesvar\\gone.txt");
    app.dispatch([&] { form->appendEntry("E:\\新"); });
    click("menusave");
    EXPECT_EQ(*sim.files.file("C:\\Tesvar\\gone.txt"), "E:\\新\r\n");
}

TEST_F(ListFilesTest, Load_ReadErrorAfterOpenAsksForANameOnNextSave) {
    start();
    put("D:\\bad.txt", "a\r\n");
    sim.files.failRead[sim::pathKey("D:\\bad.txt")] = 23;
    sim.dialogs.expectBox();
    form->state.currentListFile = "D:\\bad.txt";
    app.dispatch([&] { form->menuopenmy(form->state.currentListFile); });
    EXPECT_EQ(sim.dialogs.shown.back().text, "I/O error 23.");
    EXPECT_EQ(form->state.currentListFile, "D:\\bad.txt");
    EXPECT_EQ(form->state.savedListFile, "");
}

TEST_F(ListFilesTest, Load_EmptiesEntryEchoAndSelection) {
    start();
    app.dispatch([&] { form->CheckListBox1.userSelect(1); });
    EXPECT_EQ(form->Memo1.text(), "C:\\WINDOWS");
    click("menudakaiwenjianjia");
    EXPECT_EQ(form->Memo1.text(), "");
    EXPECT_EQ(form->CheckListBox1.hint(), "");
    EXPECT_EQ(form->CheckListBox1.itemIndex(), -1);
    EXPECT_EQ(entries(), (Entries{"计算机", "C:\\Users"}));
}

TEST_F(ListFilesTest, SampleSetCommands_LoadTheirFiles) {
    start();
    const std::pair<const char*, const char*> cases[] = {
        {"menudakaiwenjianjia", "vista.txt"}, {"menuopen3", "win7.txt"}, {"mu_dakaiyangli", "winxp.txt"}};
    for (const auto& [item, file] : cases) {
        click(item);
        EXPECT_EQ(form->state.currentListFile, std::string("C:\\Tesvar\\样例文件夹\\") + file);
        EXPECT_EQ(form->state.savedListFile, form->state.currentListFile);
    }
}

TEST_F(ListFilesTest, Save_WritesBackToLoadedFileWithCue) {
    start();
    app.dispatch([&] { form->appendEntry("D:\\新"); });
    click("menusave");
    EXPECT_EQ(*sim.files.file(xp), "我的电脑\r\nC:\\WINDOWS\r\nC:\\Program Files\r\nD:\\新\r\n");
    EXPECT_EQ(sim.sound.played, (Entries{saveCue}));
}

TEST_F(ListFilesTest, Save_WithoutAFileAsksAndPointsEveryPathAtTheChoice) {
    start();
    sim.dialogs.expectBox(mb::kIdOk);
    click("qinkongliebiao");
    app.dispatch([&] { form->appendEntry("D:\\a"); });
    sim.dialogs.expectFile("");  // cancel: nothing written, no sound
    click("menusave");
    EXPECT_TRUE(sim.files.writes.empty());
    EXPECT_TRUE(sim.sound.played.empty());
    sim.dialogs.expectFile("C:\\Tesvar\\我的数据盒\\mine.txt");
    sim.files.putDirectory("C:\\Tesvar\\我的数据盒");
    click("menusave");
    EXPECT_EQ(*sim.files.file("C:\\Tesvar\\我的数据盒\\mine.txt"), "D:\\a\r\n");
    EXPECT_EQ(form->state.currentListFile, "C:\\Tesvar\\我的数据盒\\mine.txt");
    EXPECT_EQ(form->state.savedListFile, "C:\\Tesvar\\我的数据盒\\mine.txt");
    EXPECT_EQ(form->state.saveTargetFile, "C:\\Tesvar\\我的数据盒\\mine.txt");
    EXPECT_EQ(sim.sound.played, (Entries{saveCue}));
    const auto& log = sim.dialogs.log;
    EXPECT_EQ(log[log.size() - 1].kind, "save");
    EXPECT_EQ(log[log.size() - 1].text, "c:\\");
    EXPECT_EQ(log[log.size() - 1].extra, "txt");
}

TEST_F(ListFilesTest, SaveAs_WritesChosenFileWithoutCue) {
    start();
    sim.files.putDirectory("E:\\lists");
    sim.dialogs.expectFile("E:\\lists\\x.txt");
    click("menulincun");
    EXPECT_EQ(*sim.files.file("E:\\lists\\x.txt"), "我的电脑\r\nC:\\WINDOWS\r\nC:\\Program Files\r\n");
    EXPECT_EQ(form->state.currentListFile, "E:\\lists\\x.txt");
    EXPECT_EQ(form->state.savedListFile, "E:\\lists\\x.txt");
    EXPECT_TRUE(sim.sound.played.empty());
}

TEST_F(ListFilesTest, FailedSave_LeavesOldFileAndPaths) {
    start();
    const std::string before = *sim.files.file(xp);
    app.dispatch([&] { form->appendEntry("D:\\new"); });
    sim.files.failWriteCode = 112;
    sim.files.failWriteAfter = 10;
    sim.dialogs.expectBox();
    click("menusave");
    EXPECT_EQ(sim.dialogs.shown.back().text, "I/O error 112.");
    EXPECT_EQ(*sim.files.file(xp), before);
    EXPECT_TRUE(sim.sound.played.empty());
    EXPECT_EQ(form->state.savedListFile, xp);
}

TEST_F(ListFilesTest, OpenAndImport_StartsInSaveFolderAndLoadsChoice) {
    start();
    put("C:\\Tesvar\\保存\\l.txt", "X:\\1\r\n");
    sim.dialogs.expectFile("");
    click("menuopen");
    EXPECT_EQ(form->state.currentListFile, xp);
    sim.dialogs.expectFile("C:\\Tesvar\\保存\\l.txt");
    click("menuopen");
    EXPECT_EQ(entries(), (Entries{"X:\\1"}));
    EXPECT_EQ(sim.dialogs.log.back().kind, "open");
    EXPECT_EQ(sim.dialogs.log.back().text, "C:\\Tesvar\\保存");
}

TEST_F(ListFilesTest, Reload_DropsChangesOrOnlyEmptiesHint) {
    start();
    app.dispatch([&] { form->appendEntry("D:\\unsaved"); });
    form->CheckListBox1.setHint("tip");
    click("genxincongzai");
    EXPECT_EQ(entries().size(), 3u);
    sim.dialogs.expectBox(mb::kIdOk);
    click("qinkongliebiao");
    form->CheckListBox1.setHint("tip");
    click("genxinzairu");
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(form->CheckListBox1.hint(), "");
}

TEST_F(ListFilesTest, EditAndShowName_MessagesAndShellOpen) {
    start();
    click("bianjidangq");
    ASSERT_EQ(sim.shell.executed.size(), 1u);
    EXPECT_EQ(sim.shell.executed[0].verb, "open");
    EXPECT_EQ(sim.shell.executed[0].file, xp);
    EXPECT_EQ(sim.shell.executed[0].show, 3);
    EXPECT_EQ(sim.shell.executed[0].owner, ShellOwner::MainWindow);

    sim.dialogs.expectBox();
    click("xiansiwenjianmin");
    EXPECT_EQ(sim.dialogs.shown.back().text, "当前文件名为    " + xp);

    sim.files.remove(xp);
    sim.dialogs.expectBox();
    click("bianjidangqian");
    EXPECT_EQ(sim.dialogs.shown.back().text, "文件不存在  " + xp);

    sim.dialogs.expectBox(mb::kIdOk);
    click("qinkongliebiao");
    sim.dialogs.expectBox();
    sim.dialogs.expectBox();
    click("bianjidangqian");
    click("xiansiwenjianmin");
    const auto& shown = sim.dialogs.shown;
    EXPECT_EQ(shown[shown.size() - 2].text, "文件未保存，请先保存");
    EXPECT_EQ(shown[shown.size() - 1].text, "当前文件名为空，请先保存");
    EXPECT_EQ(sim.shell.executed.size(), 1u);
}

TEST_F(ListFilesTest, Close_SavesSilentlyToTheLoadedFile) {
    start();
    app.dispatch([&] { form->appendEntry("D:\\z"); });
    app.dispatch([&] { form->close(); });
    EXPECT_TRUE(app.terminated());
    EXPECT_EQ(*sim.files.file(xp), "我的电脑\r\nC:\\WINDOWS\r\nC:\\Program Files\r\nD:\\z\r\n");
    EXPECT_TRUE(sim.sound.played.empty());
}

TEST_F(ListFilesTest, Close_WithoutSampleFolderEndsWithNothingToSave) {
    sim.files.cwd = "D:\\empty";
    sim.files.putDirectory("D:\\empty");
    sim.dialogs.expectBox();
    start();
    EXPECT_EQ(sim.dialogs.shown[0].text, "Invalid filename.");
    EXPECT_TRUE(entries().empty());
    app.dispatch([&] { form->close(); });
    EXPECT_TRUE(app.terminated());
    // Only the settings file is written, no list file.
    EXPECT_EQ(sim.files.writes, std::vector<std::string>{"D:\\empty\\set"});
}

TEST_F(ListFilesTest, Close_WithEntriesAndAFailingSaveStaysOpen) {
    sim.files.cwd = "D:\\empty";
    sim.files.putDirectory("D:\\empty");
    sim.dialogs.expectBox();
    start();
    app.dispatch([&] { form->appendEntry("E:\\keep"); });
    sim.dialogs.expectBox();
    app.dispatch([&] { form->close(); });
    EXPECT_FALSE(app.terminated());
    EXPECT_EQ(form->CheckListBox1.count(), 1);
    EXPECT_EQ(form->state.closing, kSet);
}

TEST_F(ListFilesTest, Close_AfterClearAllAsksAndCancelStillEnds) {
    start();
    sim.dialogs.expectBox(mb::kIdOk);
    click("qinkongliebiao");
    sim.dialogs.expectFile("");
    app.dispatch([&] { form->close(); });
    EXPECT_TRUE(app.terminated());
    EXPECT_EQ(sim.dialogs.log.back().kind, "save");
}

}  // namespace
}  // namespace tesvar::testing
