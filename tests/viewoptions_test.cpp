#include "Fixture.h"

namespace tesvar::testing {
namespace {

using Log = std::vector<std::string>;

const std::string kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const std::string kOpenOk = "open " + kKey + ": ok";
const std::string kOpenFailed = "open " + kKey + ": failed";
const std::string kWaveCue = "C:\\Tesvar\\音效\\海浪.wav";

// The notices every refresh ends with; Windows 7 adds the colour broadcast.
const Log kNotices = {"spi 20 0 2", "notify 0x08000000 0x0000", "notify 0x7FFFFFFF 0x1000"};
const std::string kColourBroadcast = "broadcast 8 0x0015";

Log concat(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The Windows 7 refresh of one Explorer window that comes to the front at the first attempt.
Log f5Refresh(const std::string& window) {
    return {"show " + window + " 1", "sleep 50", "foreground " + window + " ok", "key 0x74 63 0 -> " + window,
            "key 0x74 63 2 -> " + window};
}

std::string describe(const ShellExecuteRequest& r) {
    return std::to_string(static_cast<int>(r.owner)) + "|" + r.verb + "|" + r.file + "|" + r.parameters + "|" +
           r.directory + "|" + std::to_string(r.show);
}

class ViewOptionsTest : public ProgramTest {
protected:
    // Extensions hidden, hidden files hidden, the desktop window at the bottom.
    ViewOptionsTest() {
        sim.registry.putValue(kKey, "HideFileExt", 1);
        sim.registry.putValue(kKey, "Hidden", 2);
        sim.registry.putValue(kKey, "ShowSuperHidden", 0);
        sim.desktop.add("desktop", "Progman");
    }
    // Starts the program and forgets what the start-up did.
    void startOn(const std::string& osVersionName) {
        start();
        form->state.osVersionName = osVersionName;
        sim.registry.log.clear();
        sim.desktop.log.clear();
        sim.desktop.clock = 0;
    }
    std::vector<bool> marks() {
        return {form->menuItem("xisikuozanmin").checked(), form->menuItem("xisikuozanmin2").checked(),
                form->menuItem("xiansiyincang").checked(), form->menuItem("xiansiyincang2").checked()};
    }
    std::optional<std::uint32_t> value(const std::string& name) { return sim.registry.dword(kKey, name); }
};

TEST_F(ViewOptionsTest, StartupRead_SetsBothCopiesOfEachMarkFromTheRegistry) {
    constexpr std::uint32_t kMissing = 0xFFFFFFFF;
    struct Case {
        const char* name;
        bool key;
        int failedOpens;
        std::uint32_t hideFileExt, showSuperHidden, hidden;
        bool extensions, hiddenFiles;
        Log registry;
    };
    const Log firstPath = {kOpenOk, "read HideFileExt", "read ShowSuperHidden", "close"};
    const Log secondPath = {kOpenFailed, kOpenOk, "read HideFileExt", "read Hidden", "close"};
    const Case cases[] = {
        {"extensions shown, hidden shown", true, 0, 0, 1, 2, true, true, firstPath},
        {"extensions hidden, hidden hidden", true, 0, 1, 0, 1, false, false, firstPath},
        {"any non-zero hides extensions", true, 0, 7, 5, 2, false, true, firstPath},
        {"Hidden is not consulted on the first path", true, 0, 0, 0, 1, true, false, firstPath},
        {"missing ShowSuperHidden sets nothing", true, 0, 0, kMissing, 1, false, false, firstPath},
        {"missing HideFileExt stops the reading",
         true,
         0,
         kMissing,
         1,
         1,
         false,
         false,
         {kOpenOk, "read HideFileExt", "close"}},
        {"second try reads Hidden: 2 hides", true, 1, 0, 1, 2, true, false, secondPath},
        {"second try reads Hidden: 1 shows", true, 1, 1, 0, 1, false, true, secondPath},
        {"no key", false, 0, 0, 0, 0, false, false, {kOpenFailed, kOpenFailed}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.registry = sim::SimRegistry();
        sim.sound.played.clear();
        sim.files.putFile(kWaveCue, "RIFF");
        if (c.key) {
            sim.registry.putKey(kKey);
            if (c.hideFileExt != kMissing) sim.registry.putValue(kKey, "HideFileExt", c.hideFileExt);
            if (c.showSuperHidden != kMissing) sim.registry.putValue(kKey, "ShowSuperHidden", c.showSuperHidden);
            sim.registry.putValue(kKey, "Hidden", c.hidden);
        }
        sim.registry.failOpens = c.failedOpens;
        start();
        EXPECT_EQ(marks(), (std::vector<bool>{c.extensions, c.extensions, c.hiddenFiles, c.hiddenFiles}));
        EXPECT_EQ(sim.registry.log, c.registry);
        EXPECT_EQ(sim.registry.openKeys(), 0);
        EXPECT_EQ(sim.sound.played, c.key ? std::vector<std::string>{} : std::vector<std::string>{kWaveCue});
        EXPECT_TRUE(sim.dialogs.shown.empty());
    }
}

TEST_F(ViewOptionsTest, StartupRead_NoKeyAndNoWaveFilePlaysNothing) {
    sim.registry.failOpens = 2;
    start();
    EXPECT_TRUE(sim.sound.played.empty());
    EXPECT_EQ(marks(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(ViewOptionsTest, Switches_WriteTheValuesAndKeepBothCopiesInStep) {
    struct Step {
        const char* item;
        std::vector<bool> marks;
        Log writes;
    };
    startOn("winxp");
    const Step steps[] = {
        {"xisikuozanmin", {true, true, false, false}, {"write HideFileExt=0"}},
        {"xisikuozanmin2", {false, false, false, false}, {"write HideFileExt=1"}},
        {"xisikuozanmin2", {true, true, false, false}, {"write HideFileExt=0"}},
        {"xiansiyincang", {true, true, true, true}, {"write Hidden=1", "write ShowSuperHidden=1"}},
        {"xiansiyincang2", {true, true, false, false}, {"write Hidden=2", "write ShowSuperHidden=0"}},
        {"xiansiyincang2", {true, true, true, true}, {"write Hidden=1", "write ShowSuperHidden=1"}},
        {"xiansiyincang", {true, true, false, false}, {"write Hidden=2", "write ShowSuperHidden=0"}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.item);
        sim.registry.log.clear();
        click(s.item);
        EXPECT_EQ(marks(), s.marks);
        EXPECT_EQ(sim.registry.log, concat({{kOpenOk}, s.writes, {"close"}}));
    }
    EXPECT_EQ(value("HideFileExt"), 0u);
    EXPECT_EQ(value("Hidden"), 2u);
    EXPECT_EQ(value("ShowSuperHidden"), 0u);
}

TEST_F(ViewOptionsTest, Switch_SecondOpenAttemptStillWrites) {
    startOn("winxp");
    sim.registry.failOpens = 1;
    click("xisikuozanmin");
    EXPECT_EQ(sim.registry.log, (Log{kOpenFailed, kOpenOk, "write HideFileExt=0", "close"}));
    EXPECT_EQ(value("HideFileExt"), 0u);
}

TEST_F(ViewOptionsTest, Switch_KeyThatCannotBeOpenedShowsItsBoxAndStillRefreshes) {
    struct Case {
        const char* item;
        const char* text;
    };
    const Case cases[] = {
        {"xisikuozanmin", "打开显示扩展名项失败,请检查项是否存在"},
        {"xiansiyincang2", "打开显示系统隐藏文件项失败,请检查项是否存在"},
    };
    startOn("winxp");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        sim.registry.failOpens = 2;
        sim.desktop.log.clear();
        sim.dialogs.expectBox();
        click(c.item);
        ASSERT_FALSE(sim.dialogs.shown.empty());
        EXPECT_EQ(sim.dialogs.shown.back().text, c.text);
        EXPECT_EQ(sim.dialogs.shown.back().caption, "出错");
        EXPECT_EQ(sim.dialogs.shown.back().flags, mb::kOk);
        EXPECT_EQ(sim.desktop.log, concat({{"post desktop 0x0111 28931 0"}, kNotices}));
    }
    // The marks keep the user's choice although nothing was written.
    EXPECT_EQ(marks(), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(value("HideFileExt"), 1u);
}

TEST_F(ViewOptionsTest, Switch_FailedWriteShowsErrorSkipsTheRestAndReleasesTheKey) {
    startOn("winxp");
    sim.desktop.add("ex", "CabinetWClass", true, 0);
    sim.registry.failWrites = {"Hidden"};
    sim.dialogs.expectBox();
    click("xiansiyincang");
    ASSERT_EQ(sim.dialogs.shown.size(), 1u);
    EXPECT_EQ(sim.dialogs.shown[0].text, "Failed to set data for 'Hidden'");
    EXPECT_EQ(sim.dialogs.shown[0].caption, "Tesvar2.0");
    EXPECT_EQ(sim.registry.log, (Log{kOpenOk, "write Hidden failed", "close"}));
    EXPECT_EQ(sim.registry.openKeys(), 0);
    EXPECT_TRUE(sim.desktop.log.empty());
    EXPECT_EQ(marks(), (std::vector<bool>{false, false, true, true}));
}

TEST_F(ViewOptionsTest, Refresh_BeforeWindows7PostsTheRefreshCommandToEveryExplorerWindow) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> windows;  // name, class; above the main window
        Log refresh;
        bool found;
    };
    const Case cases[] = {
        {"no Explorer window", {{"editor", "Notepad"}}, {}, false},
        {"one", {{"ex1", "CabinetWClass"}, {"editor", "Notepad"}}, {"post ex1 0x0111 28931 0"}, true},
        {"two, class without case",
         {{"ex1", "CabinetWClass"}, {"editor", "Notepad"}, {"ex2", "cabinetwclass"}},
         {"post ex1 0x0111 28931 0", "post ex2 0x0111 28931 0"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.desktop = sim::SimDesktop();
        sim.desktop.add("desktop", "Progman");
        int at = 0;
        for (const auto& [name, cls] : c.windows) sim.desktop.add(name, cls, true, at++);
        startOn("winxp");
        click("xisikuozanmin");
        EXPECT_EQ(sim.desktop.log, concat({c.refresh, {"post desktop 0x0111 28931 0"}, kNotices}));
        EXPECT_EQ(form->state.explorerWindowFound, c.found ? kSet : kClear);
        EXPECT_TRUE(sim.shell.executed.empty());
    }
}

TEST_F(ViewOptionsTest, Refresh_Windows7SendsF5ToEachExplorerWindowAndGivesTheForegroundBack) {
    const WindowHandle ex1 = sim.desktop.add("ex1", "CabinetWClass", true, 0);
    sim.desktop.add("editor", "Notepad", true, 1);
    const WindowHandle ex2 = sim.desktop.add("ex2", "CabinetWClass", true, 2);
    sim.desktop.find(ex1)->minimized = true;
    sim.desktop.find(ex2)->minimized = true;
    startOn("win7");
    click("xiansiyincang");
    EXPECT_EQ(sim.desktop.log, concat({f5Refresh("ex1"),
                                       f5Refresh("ex2"),
                                       {"post desktop 0x0111 28931 0", "sleep 100", "foreground main ok"},
                                       kNotices,
                                       {kColourBroadcast}}));
    EXPECT_FALSE(sim.desktop.find(ex1)->minimized);
    EXPECT_FALSE(sim.desktop.find(ex2)->minimized);
    EXPECT_EQ(sim.desktop.foreground, sim.desktop.main);
    EXPECT_EQ(sim.desktop.clock, 200u);
    EXPECT_EQ(form->state.explorerWindowFound, kSet);
    EXPECT_TRUE(sim.shell.executed.empty());
}

TEST_F(ViewOptionsTest, Refresh_Windows7KeyGoesOnlyToAnExplorerWindowThatCameToTheFront) {
    struct Case {
        const char* name;
        int refusals;
        bool falseSuccess;
        int attempts;
        bool key;
    };
    const Case cases[] = {
        {"in front at the fourth attempt", 3, false, 4, true},
        {"in front at the last attempt", 20, false, 21, true},
        {"refused every time", -1, false, 21, false},
        {"success reported but another window in front", 0, true, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.desktop = sim::SimDesktop();
        sim.desktop.add("desktop", "Progman");
        const WindowHandle ex = sim.desktop.add("ex", "CabinetWClass", true, 0);
        sim.desktop.find(ex)->refusals = c.refusals;
        sim.desktop.find(ex)->falseSuccess = c.falseSuccess;
        sim.desktop.foreground = sim.desktop.add("editor", "Notepad", true, 0);
        startOn("win7");
        click("xisikuozanmin");
        Log expected = {"show ex 1"};
        for (int i = 0; i < c.attempts; ++i) {
            expected.push_back("sleep 50");
            expected.push_back(i + 1 < c.attempts || c.refusals < 0 ? "foreground ex refused" : "foreground ex ok");
        }
        if (c.key) {
            expected.push_back("key 0x74 63 0 -> ex");
            expected.push_back("key 0x74 63 2 -> ex");
        }
        expected.insert(expected.end(), {"post desktop 0x0111 28931 0", "sleep 100", "foreground main ok"});
        EXPECT_EQ(concat({expected, kNotices, {kColourBroadcast}}), sim.desktop.log);
        EXPECT_EQ(sim.desktop.clock, 50u * static_cast<unsigned>(c.attempts) + 100u);
        // The window was there, whether or not it took the key.
        EXPECT_EQ(form->state.explorerWindowFound, kSet);
        EXPECT_TRUE(sim.shell.executed.empty());
    }
}

TEST_F(ViewOptionsTest, Refresh_Windows7WithoutExplorerOpensAMinimisedOneOnTheStartFolder) {
    struct Case {
        const char* name;
        bool baseDirExists;
    };
    for (const Case c : {Case{"start folder there", true}, Case{"start folder gone", false}}) {
        SCOPED_TRACE(c.name);
        sim.shell.executed.clear();
        startOn("win7");
        if (!c.baseDirExists) sim.files.remove("C:\\Tesvar");
        click("xisikuozanmin");
        const Log second = {"post desktop 0x0111 28931 0", "sleep 100", "foreground main ok"};
        EXPECT_EQ(sim.desktop.log, concat({second, {"sleep 500"}, second, kNotices, {kColourBroadcast}}));
        EXPECT_EQ(sim.desktop.clock, 700u);
        if (c.baseDirExists) {
            ASSERT_EQ(sim.shell.executed.size(), 1u);
            EXPECT_EQ(describe(sim.shell.executed[0]),
                      describe({ShellOwner::MainWindow, "open", "Explorer.exe", "/n,C:\\Tesvar", "", sw::kMinimize}));
        } else {
            EXPECT_TRUE(sim.shell.executed.empty());
        }
    }
}

TEST_F(ViewOptionsTest, Refresh_ForegroundFallsBackToTheMainWindow) {
    startOn("win7");
    sim.desktop.active = 0;  // the click came from the tray while the window was hidden
    click("xisikuozanmin2");
    const Log restore = {"sleep 100", "foreground 0 refused", "foreground main ok"};
    EXPECT_EQ(sim.desktop.log, concat({{"post desktop 0x0111 28931 0"},
                                       restore,
                                       {"sleep 500"},
                                       {"post desktop 0x0111 28931 0"},
                                       restore,
                                       kNotices,
                                       {kColourBroadcast}}));
}

TEST_F(ViewOptionsTest, ShowDesktop_MinimisesTheMainWindowAndTheVisibleWindowsBelowIt) {
    sim.desktop.add("above", "Notepad", true, 0);
    sim.desktop.add("below1", "CabinetWClass");
    sim.desktop.add("hidden", "Tooltip", false);
    sim.desktop.add("below2", "Notepad");
    startOn("winxp");
    click("xiansizuomian");
    EXPECT_EQ(sim.desktop.log, (Log{"post main 0x0112 61472 0", "post desktop 0x0112 61472 0",
                                    "post below1 0x0112 61472 0", "post below2 0x0112 61472 0"}));
}

}  // namespace
}  // namespace tesvar::testing
