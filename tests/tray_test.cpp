#include "Fixture.h"

namespace tesvar::testing {
namespace {

class TrayTest : public ProgramTest {
protected:
    struct Seen {
        bool icon;
        bool autoHide;
        bool ticked;
        bool visible;
        bool taskbarButton;
        bool minimized;
        bool operator==(const Seen& o) const {
            return icon == o.icon && autoHide == o.autoHide && ticked == o.ticked && visible == o.visible &&
                   taskbarButton == o.taskbarButton && minimized == o.minimized;
        }
    };
    Seen seen() const {
        return {form->CnTrayIcon1.active(),
                form->CnTrayIcon1.autoHide(),
                form->menuItem("xiansituopan").checked(),
                form->visible(),
                app.taskbarButtonShown(),
                app.minimized()};
    }
    void iconClick() {
        app.dispatch([this] { form->CnTrayIcon1.leftClick(); });
    }
    // The window's minimise button; true when the tray took it.
    bool minimizeCommand() {
        bool hidden = false;
        app.dispatch([&] { hidden = form->CnTrayIcon1.minimizeCommand(); });
        return hidden;
    }
};

TEST_F(TrayTest, Sequence_HideRestoreSwitchAndMinimise) {
    // icon, autoHide, ticked, visible, taskbar button, minimised
    const Seen running{true, true, true, true, true, false};
    const Seen hidden{true, true, true, false, false, true};
    const Seen switchedOff{false, false, false, true, true, false};
    const Seen ownMinimise{true, true, true, true, true, true};
    enum Taken { Any, Took, Left };
    struct Step {
        const char* name;
        std::function<void()> action;
        Seen expected;
        Taken minimise;    // whether a minimise command was taken by the tray
        bool focusToList;  // the window was shown again, with the focus in the list
    };
    bool tookMinimise = false;
    const Step steps[] = {
        {"started", [] {}, running, Any, false},
        {"left click hides", [&] { iconClick(); }, hidden, Any, false},
        {"left click brings it back", [&] { iconClick(); }, running, Any, true},
        {"minimise command hides", [&] { tookMinimise = minimizeCommand(); }, hidden, Took, false},
        {"left click after minimise", [&] { iconClick(); }, running, Any, true},
        {"switch off", [&] { click("xiansituopan"); }, switchedOff, Any, false},
        {"minimise command left to Windows", [&] { tookMinimise = minimizeCommand(); }, switchedOff, Left, false},
        {"switch on", [&] { click("xiansituopan"); }, running, Any, false},
        {"program's own minimise", [&] { app.minimize(); }, ownMinimise, Any, false},
        {"left click restores", [&] { iconClick(); }, running, Any, false},
    };
    start();
    for (const Step& step : steps) {
        tookMinimise = false;
        const int focusBefore = form->CheckListBox1.focusRequests();
        step.action();
        const Seen s = seen();
        EXPECT_TRUE(s == step.expected) << step.name << ": icon " << s.icon << " autoHide " << s.autoHide << " ticked "
                                        << s.ticked << " visible " << s.visible << " taskbar " << s.taskbarButton
                                        << " minimized " << s.minimized;
        EXPECT_EQ(form->state.showInTray, s.ticked ? kSet : kClear) << step.name;
        if (step.minimise != Any) {
            EXPECT_EQ(tookMinimise, step.minimise == Took) << step.name;
        }
        if (step.focusToList) {
            EXPECT_GT(form->CheckListBox1.focusRequests(), focusBefore) << step.name;
        }
    }
}

TEST_F(TrayTest, RightClick_OpensTheTrayMenu) {
    start();
    int opened = 0;
    form->PopupMenu2.onPopup = [&] { ++opened; };
    app.dispatch([this] { form->CnTrayIcon1.rightClick(); });
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(form->visible());
}

TEST_F(TrayTest, Exit_WhileHiddenRunsTheCloseSequence) {
    start();
    iconClick();
    ASSERT_FALSE(form->visible());
    click("tuopantuicu");
    EXPECT_TRUE(app.terminated());
    EXPECT_EQ(form->state.closing, kSet);
    EXPECT_NE(sim.files.file("C:\\Tesvar\\set"), nullptr);
}

TEST_F(TrayTest, Exit_WhileHiddenAsksForANameWhenNoFileIsKnown) {
    start();
    form->state.savedListFile.clear();
    iconClick();
    sim.dialogs.expectFile("");  // cancelled: no list saved, the close goes on
    click("tuopantuicu");
    EXPECT_EQ(sim.dialogs.log.back().kind, "save");
    EXPECT_TRUE(app.terminated());
    EXPECT_NE(sim.files.file("C:\\Tesvar\\set"), nullptr);
}

}  // namespace
}  // namespace tesvar::testing
