#include <set>

#include "Fixture.h"
#include "help/Links.h"

namespace tesvar::testing {
namespace {

class HelpTest : public ProgramTest {
protected:
    const std::string helpDir = "C:\\Tesvar\\帮助\\";
    const std::string feedbackDir = "C:\\Tesvar\\Kestrom_用户反馈表";
    const std::string feedbackExe = "C:\\Tesvar\\Kestrom_用户反馈表\\用户反馈表.exe";

    const std::vector<ShellExecuteRequest>& executed() const { return sim.shell.executed; }
};

bool sameRequest(const ShellExecuteRequest& a, const ShellExecuteRequest& b) {
    return a.owner == b.owner && a.verb == b.verb && a.file == b.file && a.parameters == b.parameters &&
           a.directory == b.directory && a.show == b.show;
}

struct HelpTextCase {
    const char* item;
    const char* file;
};
const HelpTextCase kHelpTexts[] = {
    {"readme", "帮助.txt"},      {"mu_ge", "个人介绍.txt"},   {"N1001", "100%杀毒软件.txt"}, {"N94", "主动防御.txt"},
    {"N96", "保护你的账号.txt"}, {"N23", "接受定做软件.txt"}, {"my7", "中国网格详情.txt"},   {"my9", "广告位招租.txt"},
};

TEST_F(HelpTest, HelpText_PresentOpensMaximisedThroughTheShell) {
    for (const HelpTextCase& c : kHelpTexts) sim.files.putFile(helpDir + c.file, "text\r\n");
    start();
    for (const HelpTextCase& c : kHelpTexts) {
        sim.shell.executed.clear();
        click(c.item);
        ASSERT_EQ(executed().size(), 1u) << c.item;
        const ShellExecuteRequest expected{ShellOwner::MainWindow, "open", helpDir + c.file, "", "",
                                           sw::kShowMaximized};
        EXPECT_TRUE(sameRequest(executed()[0], expected)) << c.item << ": " << executed()[0].file;
    }
    EXPECT_TRUE(sim.dialogs.shown.empty());
}

TEST_F(HelpTest, HelpText_MissingShowsThePathAndOpensNothing) {
    // A folder of the file's name is no help text either.
    sim.files.putDirectory(helpDir + "帮助.txt");
    start();
    for (const HelpTextCase& c : kHelpTexts) {
        sim.dialogs.expectBox();
        click(c.item);
        ASSERT_FALSE(sim.dialogs.shown.empty()) << c.item;
        const MessageBoxRequest& box = sim.dialogs.shown.back();
        EXPECT_EQ(box.text, "文件不存在  " + helpDir + c.file) << c.item;
        EXPECT_EQ(box.caption, "Tesvar2.0");
        EXPECT_EQ(box.owner, BoxOwner::Application);
    }
    EXPECT_TRUE(executed().empty());
}

TEST_F(HelpTest, HelpText_PathFollowsTheStartFolder) {
    sim.files.cwd = "D:\\工具\\乗";  // 0x5C as a trail byte must not matter
    sim.files.putFile("D:\\工具\\乗\\样例文件夹\\winxp.txt", "D:\\\r\n");
    sim.files.putFile("D:\\工具\\乗\\帮助\\帮助.txt", "text\r\n");
    start();
    click("readme");
    ASSERT_EQ(executed().size(), 1u);
    EXPECT_EQ(executed()[0].file, "D:\\工具\\乗\\帮助\\帮助.txt");
}

struct FeedbackCase {
    const char* name;
    bool folder;
    bool program;
    const char* box;  // the message expected, or null
};

void PrintTo(const FeedbackCase& c, std::ostream* os) { *os << c.name; }

class FeedbackLaunchTest : public HelpTest, public ::testing::WithParamInterface<FeedbackCase> {};

// Where the process's current folder is at the moment of the launch, and after the command.
TEST_P(FeedbackLaunchTest, RunsFromItsFolderAndComesBackToBaseDir) {
    const FeedbackCase& c = GetParam();
    if (c.folder) sim.files.putDirectory(feedbackDir);
    if (c.program) sim.files.putFile(feedbackExe, "MZ");
    sim.files.putDirectory("C:\\Elsewhere");
    std::vector<std::string> folderAtLaunch;
    sim.shell.whileExecuting = [&](const ShellExecuteRequest&) { folderAtLaunch.push_back(sim.files.cwd); };
    start();
    // Something else moved the process away: a missing folder leaves it there, any other
    // ending puts it back at baseDir.
    sim.files.cwd = "C:\\Elsewhere";
    if (c.box) sim.dialogs.expectBox();
    click("N58");

    if (c.program) {
        ASSERT_EQ(executed().size(), 1u);
        const ShellExecuteRequest expected{ShellOwner::MainWindow, "open", feedbackExe, "", "", sw::kShowNormal};
        EXPECT_TRUE(sameRequest(executed()[0], expected));
        EXPECT_EQ(folderAtLaunch, std::vector<std::string>{feedbackDir});
    } else {
        EXPECT_TRUE(executed().empty());
    }
    if (c.box) {
        ASSERT_EQ(sim.dialogs.shown.size(), 1u);
        EXPECT_EQ(sim.dialogs.shown[0].text, c.box);
        EXPECT_EQ(sim.dialogs.shown[0].caption, c.folder ? "Tesvar2.0" : "出错");
        EXPECT_EQ(sim.dialogs.shown[0].flags, mb::kOk);
        EXPECT_EQ(sim.dialogs.shown[0].owner, BoxOwner::Application);
    } else {
        EXPECT_TRUE(sim.dialogs.shown.empty());
    }
    EXPECT_EQ(sim.files.cwd, c.folder ? "C:\\Tesvar" : "C:\\Elsewhere");
}

INSTANTIATE_TEST_SUITE_P(
    Feedback, FeedbackLaunchTest,
    ::testing::Values(FeedbackCase{"BothPresent", true, true, nullptr},
                      FeedbackCase{"ProgramMissing", true, false,
                                   "文件不存在  C:\\Tesvar\\Kestrom_用户反馈表\\用户反馈表.exe"},
                      FeedbackCase{"FolderMissing", false, false, "文件夹 Kestrom_用户反馈表不存在，请手工启动"}),
    [](const ::testing::TestParamInfo<FeedbackCase>& info) { return std::string(info.param.name); });

TEST_F(HelpTest, ThankYou_ShowsItsOwnBoxAndNothingElse) {
    start();
    sim.dialogs.expectBox();
    click("N60");
    ASSERT_EQ(sim.dialogs.shown.size(), 1u);
    EXPECT_EQ(sim.dialogs.shown[0].text, "欢迎给我来信，我一定回复您，请指出问题。万分感谢！");
    EXPECT_EQ(sim.dialogs.shown[0].caption, "欢迎给我来信");
    EXPECT_EQ(sim.dialogs.shown[0].flags, mb::kOk);
    EXPECT_TRUE(executed().empty());
}

TEST_F(HelpTest, WebLinks_OpenTheirAddressesThroughTheShell) {
    const std::pair<const char*, Link> cases[] = {
        {"my2", Link::SoftwareSite1}, {"my3", Link::SoftwareSite2},  {"my4", Link::SoftwareSite3},
        {"my5", Link::SoftwareSite4}, {"my10", Link::SoftwareSite5}, {"my6", Link::WebHost},
        {"my8", Link::OnlineDisk},    {"N70", Link::UpgradePage},
    };
    start();
    std::set<std::string> addresses;
    for (const auto& [item, link] : cases) {
        sim.shell.executed.clear();
        click(item);
        ASSERT_EQ(executed().size(), 1u) << item;
        const ShellExecuteRequest expected{ShellOwner::MainWindow, "open", linkAddress(link), "", "", sw::kShowNormal};
        EXPECT_TRUE(sameRequest(executed()[0], expected)) << item;
        EXPECT_EQ(executed()[0].file.rfind("http://", 0), 0u) << item;
        addresses.insert(executed()[0].file);
    }
    EXPECT_EQ(addresses.size(), std::size(cases)) << "each item has an address of its own";
    EXPECT_TRUE(sim.dialogs.shown.empty());
}

}  // namespace
}  // namespace tesvar::testing
