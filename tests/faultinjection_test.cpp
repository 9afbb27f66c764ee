// Writes that fail part-way: whatever byte the failure strikes at, the file on disk is the old
// one, byte for byte, and the temporary file the write went through is gone.

#include <algorithm>
#include <functional>

#include "Fixture.h"

namespace tesvar::testing {
namespace {

class FaultInjectionTest : public ProgramTest {
protected:
    const std::string xp = "C:\\Tesvar\\样例文件夹\\winxp.txt";

    std::vector<std::string> filesOnDisk() const {
        std::vector<std::string> all = sim.files.allFiles();
        std::sort(all.begin(), all.end());
        return all;
    }

    static std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

    // Runs `write` once for every byte offset of the bytes it would write (and once past the
    // end, where the flush fails), then once with the replace of the target failing. Each
    // time the error box shows, the target keeps `old` exactly, no file is added or lost, and
    // the write went through a temporary file beside the target.
    void failEverywhere(const std::string& target, const std::string& old, size_t newSize,
                        const std::function<void()>& write) {
        const std::vector<std::string> before = filesOnDisk();
        for (size_t offset = 0; offset <= newSize + 1; ++offset) {
            const bool atReplace = offset == newSize + 1;
            if (atReplace) {
                sim.files.failReplaceCode = 32;  // the target is open elsewhere without sharing
            } else {
                sim.files.failWriteCode = 112;  // the disk is full
                sim.files.failWriteAfter = offset;
            }
            const size_t boxes = sim.dialogs.shown.size();
            const size_t temporaries = sim.files.temporaries.size();
            sim.dialogs.expectBox();
            write();
            SCOPED_TRACE(atReplace ? std::string("failed replace") : "failure at byte " + std::to_string(offset));
            ASSERT_EQ(sim.dialogs.shown.size(), boxes + 1) << "no error box";
            EXPECT_EQ(sim.dialogs.shown.back().text, atReplace ? "I/O error 32." : "I/O error 112.");
            ASSERT_NE(sim.files.file(target), nullptr) << "target gone";
            EXPECT_EQ(*sim.files.file(target), old);
            EXPECT_EQ(filesOnDisk(), before);
            ASSERT_GT(sim.files.temporaries.size(), temporaries) << "the write bypassed the temporary file";
            EXPECT_EQ(folderOf(sim.files.temporaries.back()), folderOf(target));
        }
    }
};

TEST_F(FaultInjectionTest, ListSave_FailingAtAnyByte_KeepsOldFileAndLeavesNoTemporary) {
    start();
    const std::string old = *sim.files.file(xp);
    app.dispatch([&] {
        form->appendEntry("D:\\资料\\乗");
        form->appendEntry("");
    });
    const std::string wanted = old + "D:\\资料\\乗\r\n\r\n";

    failEverywhere(xp, old, wanted.size(), [&] { click("menusave"); });
    EXPECT_EQ(form->state.savedListFile, xp);
    EXPECT_TRUE(sim.sound.played.empty()) << "the save cue played for a failed save";

    // Nothing of the failures sticks: the next save writes the whole list.
    const std::vector<std::string> before = filesOnDisk();
    click("menusave");
    EXPECT_EQ(*sim.files.file(xp), wanted);
    EXPECT_EQ(filesOnDisk(), before);
}

TEST_F(FaultInjectionTest, SaveAsOverAnotherFile_FailingAtAnyByte_KeepsThatFile) {
    const std::string other = "D:\\列表\\旧.txt";
    const std::string old = "X:\\old\r\nY:\\older\r\n";
    sim.files.putFile(other, old);
    start();
    const std::string wanted = *sim.files.file(xp);
    failEverywhere(other, old, wanted.size(), [&] {
        sim.dialogs.expectFile(other);
        click("menulincun");
    });
    EXPECT_EQ(*sim.files.file(xp), wanted) << "the loaded file was touched";
}

TEST_F(FaultInjectionTest, SaveOnClose_FailingAtAnyByte_KeepsOldFileAndTheProgramOpen) {
    start();
    const std::string old = *sim.files.file(xp);
    app.dispatch([&] { form->appendEntry("E:\\新"); });
    const size_t newSize = old.size() + std::string("E:\\新\r\n").size();
    failEverywhere(xp, old, newSize, [&] { app.dispatch([&] { form->close(); }); });
    EXPECT_FALSE(app.terminated());
    EXPECT_EQ(form->CheckListBox1.count(), 4);
}

TEST_F(FaultInjectionTest, SettingsWrite_FailingAtAnyByte_KeepsOldSettingsFile) {
    const std::string set = "C:\\Tesvar\\set";
    const std::string old = "0\r\n12\r\nMS Sans Serif\r\n255\r\n";
    sim.files.putFile(set, old);
    start();
    form->state.showInTray = kSet;
    form->state.listFontName = "宋体";
    form->state.listFontSize = 9;
    form->state.listFontColor = -16777208;
    const std::string wanted = "-1\r\n9\r\n宋体\r\n-16777208\r\n";

    failEverywhere(set, old, wanted.size(), [&] { click("mu_savesuxin"); });

    click("mu_savesuxin");
    EXPECT_EQ(*sim.files.file(set), wanted);
}

// On close the list is written first; when the settings then fail, the list is saved, the
// settings file is the old one, and the program stays open.
TEST_F(FaultInjectionTest, SettingsWriteOnClose_FailingAtAnyByte_KeepsOldSettingsAndTheProgramOpen) {
    const std::string set = "C:\\Tesvar\\set";
    const std::string old = "-1\r\n14\r\n宋体\r\n-16777208\r\n";
    sim.files.putFile(set, old);
    start();
    form->state.listFontSize = 20;
    app.dispatch([&] { form->appendEntry("F:\\"); });
    const std::string list = *sim.files.file(xp) + "F:\\\r\n";
    sim.files.failOnlyPath = set;
    failEverywhere(set, old, std::string("-1\r\n20\r\n宋体\r\n-16777208\r\n").size(),
                   [&] { app.dispatch([&] { form->close(); }); });
    EXPECT_EQ(*sim.files.file(xp), list);
    EXPECT_FALSE(app.terminated());
}

}  // namespace
}  // namespace tesvar::testing
