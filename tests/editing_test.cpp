#include "Fixture.h"

namespace tesvar::testing {
namespace {

using Entries = std::vector<std::string>;

class EditingTest : public ProgramTest {
protected:
    // Starts with a list of n entries "E:\0" .. "E:\n-1".
    void startWith(int n) {
        std::string bytes;
        for (int i = 0; i < n; ++i) bytes += "E:\\" + std::to_string(i) + "\r\n";
        sim.files.putFile("C:\\Tesvar\\样例文件夹\\winxp.txt", bytes);
        start();
    }
    std::vector<bool> ticks() const {
        std::vector<bool> t;
        for (int i = 0; i < form->CheckListBox1.count(); ++i) t.push_back(form->CheckListBox1.checked(i));
        return t;
    }
    void setTicks(const std::vector<bool>& t) {
        for (size_t i = 0; i < t.size(); ++i) form->CheckListBox1.setChecked(static_cast<int>(i), t[i]);
    }
    // The user's toggle of a box, with or without Shift held.
    void toggle(int i, bool shift = false) {
        ui::CheckListBox& list = form->CheckListBox1;
        if (shift) app.dispatch([&] { list.onKeyDown(ui::ShiftState{true}); });
        app.dispatch([&] { list.userToggle(i); });
    }
    void releaseKey() {
        app.dispatch([&] { form->CheckListBox1.onKeyUp(); });
    }
};

TEST_F(EditingTest, TickCommands_TickUntickInvert) {
    startWith(3);
    setTicks({true, false, false});
    click("mu_fanze");
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true, true}));
    click("mu_quanze");
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
    click("N55");
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(form->CheckListBox1.itemIndex(), -1);
}

TEST_F(EditingTest, ShiftRange_TicksFromAnchorToToggledEntry) {
    struct Step {
        int index;
        bool shift;
        bool releaseAfter;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<bool> ticks;
    };
    const Case cases[] = {
        {"anchor below", {{5, false, false}, {2, true, true}}, {0, 0, 1, 1, 1, 1, 0, 0}},
        {"untick resets anchor to 0",
         {{4, false, false}, {4, false, false}, {3, true, true}},
         {1, 1, 1, 1, 0, 0, 0, 0}},
        // unticking with Shift changes nothing else; the next tick still ranges from anchor 6
        {"untick with shift does nothing",
         {{1, false, false}, {6, false, false}, {6, true, false}, {3, false, true}},
         {0, 1, 0, 1, 1, 1, 1, 0}},
    };
    for (const Case& c : cases) {
        startWith(8);
        for (const Step& s : c.steps) {
            toggle(s.index, s.shift);
            if (s.releaseAfter) releaseKey();
        }
        std::vector<bool> expected(c.ticks.begin(), c.ticks.end());
        EXPECT_EQ(ticks(), expected) << c.name;
    }
}

TEST_F(EditingTest, ShiftRange_AnchorPastTheShrunkListStopsAtTheLastEntry) {
    startWith(10);
    toggle(7);
    EXPECT_EQ(form->state.rangeAnchor, 7);
    app.dispatch([&] { form->CheckListBox1.setItemIndex(9); });
    for (int n = 10; n > 5; --n) {
        app.dispatch([&] { form->CheckListBox1.setItemIndex(n - 1); });
        click("N28");
    }
    toggle(1, true);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true, true, true, true}));
    EXPECT_EQ(form->state.shiftHeld, kClear);
}

TEST_F(EditingTest, EntryEcho_SelectionFillsHintAndMemoClearButtonEmptiesMemo) {
    startWith(3);
    app.dispatch([&] { form->CheckListBox1.userSelect(2); });
    EXPECT_EQ(form->Memo1.text(), "E:\\2");
    EXPECT_EQ(form->CheckListBox1.hint(), "E:\\2");
    app.dispatch([&] { form->Button2.click(); });
    EXPECT_EQ(form->Memo1.text(), "");
    EXPECT_EQ(form->CheckListBox1.hint(), "E:\\2");
}

TEST_F(EditingTest, DeleteSelected_SelectsTheFollowerOrNothing) {
    startWith(4);
    click("N28");  // nothing selected: nothing happens
    EXPECT_EQ(entries().size(), 4u);
    app.dispatch([&] { form->CheckListBox1.userSelect(1); });
    app.dispatch([&] { form->ToolButton4.click(); });
    EXPECT_EQ(entries(), (Entries{"E:\\0", "E:\\2", "E:\\3"}));
    EXPECT_EQ(mirrorCaptions(), (Entries{"0", "2", "3"}));
    EXPECT_EQ(form->CheckListBox1.itemIndex(), 1);
    EXPECT_EQ(form->Memo1.text(), "");
    app.dispatch([&] { form->CheckListBox1.setItemIndex(2); });
    click("N28");
    EXPECT_EQ(form->CheckListBox1.itemIndex(), -1);
    EXPECT_EQ(mirrorCaptions(), (Entries{"0", "2"}));
}

TEST_F(EditingTest, DeleteUnticked_KeepsTickedInOrderAndTheFile) {
    startWith(5);
    setTicks({false, true, false, true, false});
    app.dispatch([&] { form->CheckListBox1.setItemIndex(3); });
    app.dispatch([&] { form->BitBtn1.click(); });
    EXPECT_EQ(entries(), (Entries{"E:\\1", "E:\\3"}));
    EXPECT_EQ(mirrorCaptions(), (Entries{"1", "3"}));
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true}));
    EXPECT_EQ(form->CheckListBox1.itemIndex(), 1);
    // With nothing ticked the list empties, and the file stays the save target.
    click("N55");
    click("N27");
    EXPECT_TRUE(entries().empty());
    EXPECT_TRUE(mirrorCaptions().empty());
    click("menusave");
    EXPECT_EQ(*sim.files.file("C:\\Tesvar\\样例文件夹\\winxp.txt"), "");
}

TEST_F(EditingTest, ClearAll_AsksSystemModalAndForgetsTheFile) {
    startWith(3);
    sim.files.putFile("C:\\WINDOWS\\MEDIA\\chimes.wav", "RIFF");
    sim.dialogs.expectBox(mb::kIdCancel);
    app.dispatch([&] { form->BitBtn3.click(); });
    EXPECT_EQ(entries().size(), 3u);
    EXPECT_TRUE(sim.sound.played.empty());
    const MessageBoxRequest& q = sim.dialogs.shown.back();
    EXPECT_EQ(q.text, "你确信全部删除吗?");
    EXPECT_EQ(q.caption, "全部删除");
    EXPECT_EQ(q.flags, 0x1021u);
    EXPECT_EQ(q.owner, BoxOwner::None);

    sim.dialogs.expectBox(mb::kIdOk);
    click("qinkongliebiao");
    EXPECT_TRUE(entries().empty());
    EXPECT_TRUE(mirrorCaptions().empty());
    EXPECT_EQ(form->state.currentListFile, "");
    EXPECT_EQ(form->state.savedListFile, "");
    EXPECT_EQ(sim.sound.played, (Entries{"C:\\WINDOWS\\MEDIA\\chimes.wav"}));
    click("qinkongliebiao");  // empty list: no question
}

TEST_F(EditingTest, Sort_TicksAndSelectionTravelWithTheirEntries) {
    sim.files.putFile("C:\\Tesvar\\样例文件夹\\winxp.txt", "b\r\nC:\\x\r\na\r\nB2\r\n");
    start();
    setTicks({true, false, false, true});
    app.dispatch([&] { form->CheckListBox1.setItemIndex(2); });  // "a"
    click("N42");
    EXPECT_EQ(entries(), (Entries{"a", "b", "B2", "C:\\x"}));
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(form->CheckListBox1.itemIndex(), 0);
    EXPECT_EQ(mirrorCaptions(), (Entries{"a", "b", "B2", "C:\\x"}));  // whole texts
    app.dispatch([&] { form->appendEntry("0"); });
    EXPECT_EQ(entries().back(), "0");
}

TEST_F(EditingTest, DragAndDrop_MovesBeforeTheDropTarget) {
    struct Case {
        int from;
        int onto;  // -1: below the last entry
        Entries order;
    };
    const Case cases[] = {
        {3, 1, {"E:\\0", "E:\\3", "E:\\1", "E:\\2"}},
        {0, 1, {"E:\\0", "E:\\1", "E:\\2", "E:\\3"}},
        {1, -1, {"E:\\0", "E:\\1", "E:\\2", "E:\\3"}},
    };
    for (const Case& c : cases) {
        startWith(4);
        ui::CheckListBox& list = form->CheckListBox1;
        setTicks({true, true, true, true});
        int x, y, dx, dy;
        list.rowCentre(c.from, x, y);
        list.rowCentre(c.onto < 0 ? list.count() : c.onto, dx, dy);
        app.dispatch([&] { list.userSelect(c.from); });
        app.dispatch([&] { list.onStartDrag(x, y); });
        ASSERT_TRUE(list.onDragOver(&list));
        EXPECT_FALSE(list.onDragOver(&form->Memo1));
        app.dispatch([&] { list.onDragDrop(dx, dy); });
        EXPECT_EQ(entries(), c.order) << c.from << "->" << c.onto;
        if (c.onto >= 0) {
            const int landed = c.from < c.onto ? c.onto - 1 : c.onto;
            EXPECT_EQ(list.itemIndex(), landed);
            EXPECT_FALSE(list.checked(landed));
        }
    }
}

TEST_F(EditingTest, DragAndDrop_StartedBelowTheLastEntryDoesNothing) {
    startWith(3);
    ui::CheckListBox& list = form->CheckListBox1;
    int x, y, dx, dy;
    list.rowCentre(3, x, y);
    list.rowCentre(0, dx, dy);
    app.dispatch([&] { list.userSelect(2); });
    app.dispatch([&] { list.onStartDrag(x, y); });
    EXPECT_EQ(form->state.dragStartIndex, -1);
    app.dispatch([&] { list.onDragDrop(dx, dy); });
    EXPECT_EQ(entries(), (Entries{"E:\\0", "E:\\1", "E:\\2"}));
}

}  // namespace
}  // namespace tesvar::testing
