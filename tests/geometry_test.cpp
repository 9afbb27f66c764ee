#include "Fixture.h"

namespace tesvar::testing {
namespace {

using ui::Bounds;

class GeometryTest : public ProgramTest {
protected:
    // The user (or Windows) resizes the window; the peer reports it.
    void resizeTo(int width, int height) {
        form->setBounds({form->left(), form->top(), width, height});
        app.dispatch([this] { form->resized(); });
    }
};

// The window's size after start-up and the layout at that size, for each screen.
TEST_F(GeometryTest, Scaling_FollowsTheScreenByTheIntegerRule) {
    struct Case {
        int screenWidth, screenHeight;
        int width, height;
        Bounds panel1, list, panel4;
        int memoWidth;
    };
    // At 800 × 600 and below nothing is scaled, so the designed layout stays as it is.
    const Case cases[] = {
        {800, 600, 691, 525, {32, 64, 569, 369}, {1, 1, 567, 312}, {605, 64, 41, 317}, 454},
        {640, 480, 691, 525, {32, 64, 569, 369}, {1, 1, 567, 312}, {605, 64, 41, 317}, 454},
        {799, 2000, 691, 525, {32, 64, 569, 369}, {1, 1, 567, 312}, {605, 64, 41, 317}, 454},
        {1024, 768, 884, 672, {32, 64, 766, 516}, {1, 1, 764, 459}, {802, 64, 41, 459}, 651},
        {1024, 600, 884, 525, {32, 64, 766, 369}, {1, 1, 764, 312}, {802, 64, 41, 312}, 651},
        {800, 1024, 691, 896, {32, 64, 573, 740}, {1, 1, 571, 683}, {609, 64, 41, 683}, 458},
        {1024, 480, 884, 420, {32, 64, 766, 264}, {1, 1, 764, 207}, {802, 64, 41, 207}, 651},
        {1280, 1024, 1105, 896, {32, 64, 987, 740}, {1, 1, 985, 683}, {1023, 64, 41, 683}, 872},
    };
    for (const Case& c : cases) {
        sim.system.screen = {c.screenWidth, c.screenHeight};
        start();
        const std::string name = std::to_string(c.screenWidth) + "x" + std::to_string(c.screenHeight);
        EXPECT_EQ(form->width(), c.width) << name;
        EXPECT_EQ(form->height(), c.height) << name;
        EXPECT_EQ(form->Panel1.bounds(), c.panel1) << name;
        EXPECT_EQ(form->CheckListBox1.bounds(), c.list) << name;
        EXPECT_EQ(form->Panel4.bounds(), c.panel4) << name;
        EXPECT_EQ(form->Memo1.width(), c.memoWidth) << name;
        // The margins were taken from the designed layout, before scaling.
        EXPECT_EQ(form->state.rightMargin, 45) << name;
        EXPECT_EQ(form->state.bottomMargin, 92) << name;
    }
}

// The 32-bit products wrap as they would in the program's integers.
TEST_F(GeometryTest, Scaling_UsesThirtyTwoBitProducts) {
    sim.system.screen = {801, 5000000};  // 5000000 × 525 wraps past 2^31
    start();
    EXPECT_EQ(form->height(), static_cast<int32_t>(5000000u * 525u) / 600);
    EXPECT_EQ(form->width(), 801 * 691 / 800);
}

TEST_F(GeometryTest, Layout_FirstRunAtTheDesignedSizeThenEveryResize) {
    start();
    resizeTo(691, 525);
    EXPECT_EQ(form->Panel4.bounds(), (Bounds{609, 64, 41, 312}));
    EXPECT_EQ(form->Panel1.bounds(), (Bounds{32, 64, 573, 369}));
    EXPECT_EQ(form->CheckListBox1.bounds(), (Bounds{1, 1, 571, 312}));
    EXPECT_EQ(form->Memo1.bounds(), (Bounds{1, 1, 458, 53}));
    // The row below the list keeps its height under the list; Panel3 keeps its width beside Memo1.
    EXPECT_EQ(form->Panel2.bounds(), (Bounds{1, 313, 571, 55}));
    EXPECT_EQ(form->Panel3.bounds(), (Bounds{459, 1, 111, 53}));
    EXPECT_EQ(form->Button2.bounds(), (Bounds{29, 13, 52, 28}));
    EXPECT_EQ(form->ToolBar1.bounds(), (Bounds{0, 0, 683, 41}));

    // Running again at the same size changes nothing.
    resizeTo(691, 525);
    EXPECT_EQ(form->Panel4.bounds(), (Bounds{609, 64, 41, 312}));
    EXPECT_EQ(form->Panel1.bounds(), (Bounds{32, 64, 573, 369}));

    // 100 px more in each direction: all of it goes to the list's height and the widths.
    resizeTo(791, 625);
    EXPECT_EQ(form->Panel4.bounds(), (Bounds{709, 64, 41, 412}));
    EXPECT_EQ(form->Panel1.bounds(), (Bounds{32, 64, 673, 469}));
    EXPECT_EQ(form->CheckListBox1.bounds(), (Bounds{1, 1, 671, 412}));
    EXPECT_EQ(form->Memo1.bounds(), (Bounds{1, 1, 558, 53}));
    EXPECT_EQ(form->Panel2.bounds(), (Bounds{1, 413, 671, 55}));
    EXPECT_EQ(form->Panel3.bounds(), (Bounds{559, 1, 111, 53}));
    EXPECT_EQ(form->ToolBar1.bounds(), (Bounds{0, 0, 783, 41}));

    // Far smaller than the margins and back: the sizes go below zero and return exactly.
    resizeTo(100, 100);
    EXPECT_LT(form->CheckListBox1.height(), 0);
    resizeTo(691, 525);
    EXPECT_EQ(form->Panel1.bounds(), (Bounds{32, 64, 573, 369}));
    EXPECT_EQ(form->CheckListBox1.bounds(), (Bounds{1, 1, 571, 312}));
    EXPECT_EQ(form->Memo1.width(), 458);
}

TEST_F(GeometryTest, FormResize_DoesNothingWhileStartupScaling) {
    start();
    form->state.startupScaling = kSet;
    resizeTo(900, 700);
    EXPECT_EQ(form->Panel1.bounds(), (Bounds{32, 64, 569, 369}));
    EXPECT_EQ(form->Panel4.bounds(), (Bounds{605, 64, 41, 317}));
}

TEST_F(GeometryTest, AlwaysOnTop_TogglesTheFormStyleAndStartsOffEveryRun) {
    start();
    EXPECT_EQ(form->formStyle(), ui::FormStyle::Normal);
    click("menutop");
    EXPECT_TRUE(form->menuItem("menutop").checked());
    EXPECT_EQ(form->formStyle(), ui::FormStyle::StayOnTop);
    // Not a setting: the settings file does not change with it.
    click("mu_savesuxin");
    EXPECT_EQ(*sim.files.file("C:\\Tesvar\\set"), "-1\r\n14\r\n宋体\r\n-16777208\r\n");
    click("menutop");
    EXPECT_FALSE(form->menuItem("menutop").checked());
    EXPECT_EQ(form->formStyle(), ui::FormStyle::Normal);
    click("menutop");
    start();
    EXPECT_FALSE(form->menuItem("menutop").checked());
    EXPECT_EQ(form->formStyle(), ui::FormStyle::Normal);
}

// Records what the program asks of the application's real side.
class AppRecorder : public ui::AppPeer {
public:
    void titleChanged() override {}
    void minimize() override { calls.push_back("minimize"); }
    void restore() override { calls.push_back("restore"); }
    void setTaskbarButton(bool) override {}
    void terminate() override {}
    std::vector<std::string> calls;
};

TEST_F(GeometryTest, FontDialog_AppliesTheWholeFontThenMinimisesAndRestores) {
    start();
    AppRecorder recorder;
    app.attachPeer(&recorder);
    FontChoice chosen;
    chosen.name = "Arial";
    chosen.size = 20;
    chosen.color = 255;
    chosen.bold = true;
    chosen.charset = 134;
    sim.dialogs.expectFont(chosen);
    click("N67");
    app.attachPeer(nullptr);
    // The dialog opened on the program's font: name, size and colour.
    ASSERT_EQ(sim.dialogs.log.back().kind, "font");
    EXPECT_EQ(sim.dialogs.log.back().text, "宋体");
    const ui::Font& font = form->CheckListBox1.font();
    EXPECT_EQ(font.name, "Arial");
    EXPECT_EQ(font.size, 20);
    EXPECT_EQ(font.color, 255);
    EXPECT_TRUE(font.bold);
    EXPECT_EQ(font.charset, 134);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"minimize", "restore"}));
    EXPECT_FALSE(app.minimized());
    EXPECT_EQ(form->state.listFontName, "Arial");
    EXPECT_EQ(form->state.listFontSize, 20);
    EXPECT_EQ(form->state.listFontColor, 255);
    // Only the list changes.
    EXPECT_EQ(form->Memo1.font().name, "MS Sans Serif");
    EXPECT_EQ(form->ToolBar1.font().name, "宋体");
}

TEST_F(GeometryTest, FontDialog_KeepsItsStyleBetweenUsesAndCancelChangesNothing) {
    start();
    FontChoice chosen;
    chosen.name = "Arial";
    chosen.size = 20;
    chosen.color = 255;
    chosen.italic = true;
    sim.dialogs.expectFont(chosen);
    click("N67");
    // The next use starts from the dialog's own font, with the program's name, size and colour.
    form->state.listFontSize = 9;
    sim.dialogs.expectFontCancel();
    click("N67");
    EXPECT_TRUE(form->FontDialog1.font.italic);
    EXPECT_EQ(form->FontDialog1.font.size, 9);
    // Cancelled: the list and the state are as the first use left them.
    EXPECT_EQ(form->CheckListBox1.font().size, 20);
    EXPECT_EQ(form->state.listFontName, "Arial");
    EXPECT_EQ(form->state.listFontSize, 9);
}

}  // namespace
}  // namespace tesvar::testing
