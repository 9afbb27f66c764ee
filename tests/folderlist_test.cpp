#include <random>

#include "Fixture.h"
#include "platform/Errors.h"

namespace tesvar::testing {
namespace {

class FolderListTest : public ProgramTest {
protected:
    void SetUp() override { start(); }

    // Empties list and mirror the way a load does.
    void emptyList() {
        form->clearTrayMirror(form->CheckListBox1.count());
        form->CheckListBox1.clear();
    }
    ui::MenuItem& mirror(int k) { return form->PopupMenu2.items().item(form->state.trayFirstIndex + k); }
    int mirrorCount() { return form->PopupMenu2.items().count() - form->state.trayFirstIndex; }
};

TEST_F(FolderListTest, TrayCaptionFor_FollowsLastDelimiterCharacterWise) {
    struct Case {
        std::string text;
        std::string caption;
    };
    const Case cases[] = {
        {"D:\\资料\\照片", "照片"},
        {"D:\\资料\\", "D:\\资料\\"},
        {"C:\\", "C:\\"},
        {"C:", "C:"},
        {"C:abc", "abc"},
        {"我的电脑", "我的电脑"},
        {"", ""},
        // "乗" is 81 5C in GBK: its trail byte is no delimiter.
        {"D:\\work\\乗", "乗"},
        {"D:\\乗\\abc", "abc"},
        {"D:\\乗乗", "乗乗"},
        {"abc", "abc"},
        {"\\\\server\\share", "share"},
        {"a:b\\c:d", "d"},
    };
    for (const Case& c : cases) EXPECT_EQ(form->trayCaptionFor(c.text), c.caption) << c.text;
}

TEST_F(FolderListTest, AppendEntry_ToEmptyListLandsDirectlyAfterLastmenu) {
    emptyList();
    form->appendEntry("D:\\资料\\照片");
    ASSERT_EQ(form->CheckListBox1.count(), 1);
    EXPECT_EQ(form->CheckListBox1.itemIndex(), 0);
    EXPECT_FALSE(form->CheckListBox1.checked(0));
    EXPECT_EQ(form->PopupMenu2.items().item(form->state.trayFirstIndex - 1).name(), "lastmenu");
    EXPECT_EQ(mirror(0).caption(), "照片");
    EXPECT_EQ(mirrorCount(), 1);
}

TEST_F(FolderListTest, MoveEntry_EndsDirectlyBeforeTheDropTarget) {
    struct Case {
        int from;
        int onto;
        std::vector<std::string> order;
        int selected;
    };
    const Case cases[] = {
        {3, 1, {"e0", "e3", "e1", "e2", "e4"}, 1}, {1, 3, {"e0", "e2", "e1", "e3", "e4"}, 2},
        {1, 2, {"e0", "e1", "e2", "e3", "e4"}, 1},  // onto the neighbour below: no change
        {0, 4, {"e1", "e2", "e3", "e0", "e4"}, 3}, {4, 0, {"e4", "e0", "e1", "e2", "e3"}, 0},
    };
    for (const Case& c : cases) {
        emptyList();
        for (int i = 0; i < 5; ++i) form->addEntry("X:\\dir\\e" + std::to_string(i));
        for (int i = 0; i < 5; ++i) form->CheckListBox1.setChecked(i, true);
        form->moveEntry(c.from, c.onto);
        std::vector<std::string> order;
        for (int i = 0; i < form->CheckListBox1.count(); ++i) {
            order.push_back(form->CheckListBox1.text(i).substr(7));
            EXPECT_EQ(mirror(i).caption(), order.back()) << c.from << "->" << c.onto;
            EXPECT_EQ(form->CheckListBox1.checked(i), i != c.selected) << c.from << "->" << c.onto << " at " << i;
        }
        EXPECT_EQ(order, c.order) << c.from << "->" << c.onto;
        EXPECT_EQ(form->CheckListBox1.itemIndex(), c.selected);
        EXPECT_EQ(mirrorCount(), 5);
    }
}

TEST_F(FolderListTest, ReplaceEntryText_KeepsTickAndSelection) {
    emptyList();
    form->addEntry("A:\\one");
    form->addEntry("A:\\two");
    form->CheckListBox1.setChecked(1, true);
    form->CheckListBox1.setItemIndex(0);
    form->replaceEntryText(1, "B:\\新的");
    EXPECT_EQ(form->CheckListBox1.text(1), "B:\\新的");
    EXPECT_TRUE(form->CheckListBox1.checked(1));
    EXPECT_EQ(form->CheckListBox1.itemIndex(), 0);
    EXPECT_EQ(mirror(1).caption(), "新的");
}

TEST_F(FolderListTest, RebuildTrayMirror_CaptionsCarryWholeText) {
    emptyList();
    form->addEntry("A:\\one");
    form->addEntry("");
    form->rebuildTrayMirror();
    EXPECT_EQ(mirrorCount(), 2);
    EXPECT_EQ(mirror(0).caption(), "A:\\one");
    EXPECT_EQ(mirror(1).caption(), "");
}

TEST_F(FolderListTest, Zenjiamuluzi_FocusesListOnlyAfterStartup) {
    emptyList();
    const int before = form->CheckListBox1.focusRequests();
    form->state.pendingEntry = "E:\\下载";
    form->state.startupInProgress = kSet;
    form->zenjiamuluziClick();
    EXPECT_EQ(form->CheckListBox1.focusRequests(), before);
    form->state.startupInProgress = kClear;
    form->zenjiamuluziClick();
    EXPECT_EQ(form->CheckListBox1.focusRequests(), before + 1);
    EXPECT_EQ(form->CheckListBox1.count(), 2);
    EXPECT_EQ(form->CheckListBox1.itemIndex(), 1);
    EXPECT_EQ(mirror(1).caption(), "下载");
}

TEST_F(FolderListTest, RemoveEntryAt_OutsideTheListRaisesAndChangesNothing) {
    emptyList();
    form->addEntry("A:\\one");
    EXPECT_THROW(form->removeEntryAt(1), ListIndexError);
    EXPECT_EQ(form->CheckListBox1.count(), 1);
    EXPECT_EQ(mirrorCount(), 1);
}

// Long random runs of the primitives, checked after every step against a plain list:
// same entries, ticks and selection, and mirror item k stands for entry k.
TEST_F(FolderListTest, MirrorInvariant_HoldsOverRandomSequences) {
    struct Ref {
        std::string text;
        bool checked;
        bool wholeCaption;  // built by the sort's rebuild
    };
    std::vector<Ref> ref;
    int selected = -1;
    emptyList();
    std::mt19937 rng(20261211);
    const char* names[] = {"C:\\", "D:\\资料\\照片", "我的电脑", "", "C:abc", "D:\\乗", "E:\\a\\b\\"};
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 4000; ++step) {
        const int n = static_cast<int>(ref.size());
        const std::string text = std::string(names[pick(7)]) + (pick(2) ? std::to_string(step) : "");
        switch (pick(n > 1 ? 9 : 4)) {
            case 0:
                form->addEntry(text);
                ref.push_back({text, false, false});
                break;
            case 1:
                form->appendEntry(text);
                ref.push_back({text, false, false});
                selected = static_cast<int>(ref.size()) - 1;
                break;
            case 2:
                form->state.pendingEntry = text;
                form->zenjiamuluziClick();
                ref.push_back({text, false, false});
                selected = static_cast<int>(ref.size()) - 1;
                break;
            case 3:
                if (pick(20) == 0) {
                    emptyList();
                    ref.clear();
                    selected = -1;
                }
                break;
            case 4: {
                const int i = pick(n);
                form->removeEntryAt(i);
                ref.erase(ref.begin() + i);
                if (selected == i)
                    selected = -1;
                else if (selected > i)
                    --selected;
                break;
            }
            case 5: {
                const int i = pick(n);
                form->replaceEntryText(i, text);
                ref[i].text = text;
                ref[i].wholeCaption = false;
                break;
            }
            case 6: {
                const int s = pick(n);
                int t = pick(n);
                if (t == s) t = (s + 1) % n;
                form->moveEntry(s, t);
                Ref moved{ref[s].text, false, false};
                ref.insert(ref.begin() + t, moved);
                ref.erase(ref.begin() + (t < s ? s + 1 : s));
                selected = s < t ? t - 1 : t;
                break;
            }
            case 7:
                if (pick(10) == 0) {
                    form->rebuildTrayMirror();
                    for (Ref& r : ref) r.wholeCaption = true;
                }
                break;
            case 8: {
                const int i = pick(n);
                form->CheckListBox1.userToggle(i);  // a click on the box selects the entry too
                ref[i].checked = !ref[i].checked;
                selected = i;
                break;
            }
        }
        ASSERT_EQ(form->CheckListBox1.count(), static_cast<int>(ref.size())) << "step " << step;
        ASSERT_EQ(form->PopupMenu2.items().count(), form->state.trayFirstIndex + static_cast<int>(ref.size()));
        ASSERT_EQ(form->CheckListBox1.itemIndex(), selected) << "step " << step;
        for (int k = 0; k < static_cast<int>(ref.size()); ++k) {
            ASSERT_EQ(form->CheckListBox1.text(k), ref[k].text) << "step " << step;
            ASSERT_EQ(form->CheckListBox1.checked(k), ref[k].checked) << "step " << step;
            ui::MenuItem& item = mirror(k);
            const std::string expected = ref[k].wholeCaption ? ref[k].text : form->trayCaptionFor(ref[k].text);
            ASSERT_EQ(item.caption(), expected) << "step " << step << " item " << k;
            ASSERT_EQ(item.count(), 0);
            ASSERT_FALSE(item.checked());
            ASSERT_TRUE(static_cast<bool>(item.onClick));
        }
    }
}

}  // namespace
}  // namespace tesvar::testing
