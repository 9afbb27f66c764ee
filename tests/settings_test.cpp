#include "Fixture.h"
#include "app/SettingsFormat.h"
#include "platform/sim/SimPlatform.h"

namespace tesvar::testing {
namespace {

const char kUnreadable[] = "设置文件数据有错，无法读取";

TEST(SettingsFormatTest, ParseInteger_DecimalHexBlanksAndSigns) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"14", true, 14},
        {"-1", true, -1},
        {"+7", true, 7},
        {"   12", true, 12},
        {"0000012", true, 12},
        {"$FF", true, 255},
        {"xff", true, 255},
        {"XfF", true, 255},
        {"0x1F", true, 31},
        {"0X1f", true, 31},
        {"-$10", true, -16},
        {" -0x10", true, -16},
        {"$FF000008", true, -16777208},  // a hexadecimal value may use all 32 bits
        {"$FFFFFFFF", true, -1},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"-16777208", true, -16777208},
        {"", false, 0},
        {"   ", false, 0},
        {"abc", false, 0},
        {"14 ", false, 0},  // nothing may follow the number
        {"14x", false, 0},
        {"1 4", false, 0},
        {"\t14", false, 0},  // only blanks lead
        {"-", false, 0},
        {"+-1", false, 0},
        {"$", false, 0},
        {"0x", false, 0},
        {"$G", false, 0},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"$100000000", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        int value = 12345;
        EXPECT_EQ(parseSettingsInteger(c.text, value), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.ok ? c.value : 12345) << '"' << c.text << '"';
    }
}

TEST(SettingsFormatTest, Format_WritesFourCrLfLinesThatReadBack) {
    EXPECT_EQ(formatSettings({-1, 14, "宋体", -16777208}), "-1\r\n14\r\n宋体\r\n-16777208\r\n");
    EXPECT_EQ(formatSettings({0, 0, "", 0}), "0\r\n0\r\n\r\n0\r\n");
    const SettingsValues cases[] = {
        {-1, 14, "宋体", -16777208},           {0, 12, "MS Sans Serif", 255},     {0, 0, "", 0},
        {-1, -3, " Arial  ", -2147483647 - 1}, {5, 2147483647, "乗\\", 16777215},
    };
    for (const SettingsValues& v : cases) {
        const ParsedSettings parsed = parseSettings(formatSettings(v));
        EXPECT_TRUE(parsed.complete) << v.fontName;
        EXPECT_EQ(parsed.values.showInTray, v.showInTray);
        EXPECT_EQ(parsed.values.fontSize, v.fontSize);
        EXPECT_EQ(parsed.values.fontName, v.fontName);
        EXPECT_EQ(parsed.values.fontColor, v.fontColor);
    }
}

class SettingsTest : public ProgramTest {
protected:
    const std::string setFile = "C:\\Tesvar\\set";
    const std::string xp = "C:\\Tesvar\\样例文件夹\\winxp.txt";
};

// Every case is a fresh start with "set" holding the bytes; the program's state, the list's
// font and the message afterwards show what the reader took.
TEST_F(SettingsTest, Reader_TakesWhatItCanAndReportsTheRest) {
    struct Case {
        const char* name;
        std::string bytes;
        bool message;
        int showInTray;
        int size;
        std::string fontName;
        int color;
    };
    // What start-up presets and a failed read leaves.
    const int kText = ui::kClWindowText;
    const Case cases[] = {
        {"as written", "0\r\n12\r\nMS Sans Serif\r\n255\r\n", false, 0, 12, "MS Sans Serif", 255},
        {"any non-zero sets the flag", "5\r\n14\r\n宋体\r\n-16777208\r\n", false, -1, 14, "宋体", kText},
        {"line 1 abc", "abc\r\n12\r\nArial\r\n255\r\n", true, -1, 14, "宋体", kText},
        {"line 1 with a trailing blank", "0 \r\n12\r\nArial\r\n255\r\n", true, -1, 14, "宋体", kText},
        {"empty file", "", true, -1, 14, "宋体", kText},
        {"line 2 abc", "0\r\nabc\r\nArial\r\n255\r\n", true, 0, 14, "宋体", kText},
        {"line 4 abc", "0\r\n12\r\nArial\r\nred\r\n", true, 0, 14, "宋体", kText},
        {"only line 1", "0\r\n", false, 0, 0, "", 0},
        {"size followed by more words", "-1\r\n14 x\r\nArial\r\n255\r\n", false, -1, 14, "Arial", 255},
        {"hexadecimal forms", "-1\r\n$c\r\nArial\r\n0xFF\r\n", false, -1, 12, "Arial", 255},
        {"x and X", "-1\r\nx10\r\nArial\r\nX1f\r\n", false, -1, 16, "Arial", 31},
        {"0X", "-1\r\n0X10\r\nArial\r\n$FF000008\r\n", false, -1, 16, "Arial", kText},
        {"blanks and tabs", " -1\r\n \t 9\t\r\n Arial \r\n\t255 \r\n", false, -1, 9, " Arial ", 255},
        {"blank line before the size shifts the rest", "-1\r\n\r\n12\r\nArial\r\n255\r\n", false, -1, 12, "Arial", 255},
        {"blank line before the colour", "-1\r\n12\r\nArial\r\n\r\n  \r\n255\r\n", false, -1, 12, "Arial", 255},
        {"lines after the fourth ignored", "0\r\n12\r\nArial\r\n255\r\nrubbish\r\n", false, 0, 12, "Arial", 255},
        {"LF line ends, no final one", "0\n12\nArial\n255", false, 0, 12, "Arial", 255},
        {"name missing", "0\r\n12\r\n", false, 0, 12, "", 0},
    };
    for (const Case& c : cases) {
        sim.files.putFile(setFile, c.bytes);
        if (c.message) sim.dialogs.expectBox();
        const size_t before = sim.dialogs.shown.size();
        start();
        const ProgramState& s = form->state;
        ASSERT_EQ(sim.dialogs.shown.size() - before, c.message ? 1u : 0u) << c.name;
        if (c.message) {
            EXPECT_EQ(sim.dialogs.shown.back().text, kUnreadable) << c.name;
            EXPECT_EQ(sim.dialogs.shown.back().caption, "出错") << c.name;
            EXPECT_EQ(sim.dialogs.shown.back().flags, mb::kOk) << c.name;
        }
        EXPECT_EQ(s.showInTray, c.showInTray) << c.name;
        EXPECT_EQ(s.listFontSize, c.size) << c.name;
        EXPECT_EQ(s.listFontName, c.fontName) << c.name;
        EXPECT_EQ(s.listFontColor, c.color) << c.name;
        // The list gets the font only from a complete read, and the dialogs their folders.
        const bool applied = !c.message;
        EXPECT_EQ(form->CheckListBox1.font().size, applied ? c.size : 0) << c.name;
        EXPECT_EQ(form->CheckListBox1.font().height, applied ? 0 : 16) << c.name;
        EXPECT_EQ(form->SaveDialog1.initialDir, applied ? "C:\\Tesvar\\我的数据盒" : "c:\\") << c.name;
        EXPECT_EQ(form->OpenDialog1.initialDir, applied ? "C:\\Tesvar\\保存" : "c:\\") << c.name;
        // The reader never touches the switch's tick; the first show applies the flag.
        EXPECT_EQ(form->menuItem("xiansituopan").checked(), c.showInTray != 0) << c.name;
        EXPECT_EQ(form->CnTrayIcon1.active(), c.showInTray != 0) << c.name;
        // Start-up went on to load the sample set.
        EXPECT_EQ(form->CheckListBox1.count(), 3) << c.name;
    }
}

TEST_F(SettingsTest, Reader_RedTwelvePointIsAppliedToTheListAndTheTrayIconGoesAtFirstShow) {
    sim.files.putFile(setFile, "0\r\n12\r\nMS Sans Serif\r\n255\r\n");
    app.setTitle("Tesvar2.0");
    form = std::make_unique<TForm1>(sim.platform, app);
    // The icon is there while the window is being created.
    EXPECT_TRUE(form->CnTrayIcon1.active());
    EXPECT_TRUE(form->menuItem("xiansituopan").checked());
    app.dispatch([this] { form->show(); });
    const ui::Font& font = form->CheckListBox1.font();
    EXPECT_EQ(font.name, "MS Sans Serif");
    EXPECT_EQ(font.size, 12);
    EXPECT_EQ(font.color, 255);
    EXPECT_FALSE(form->CnTrayIcon1.active());
    EXPECT_FALSE(form->CnTrayIcon1.autoHide());
    EXPECT_FALSE(form->menuItem("xiansituopan").checked());
    // Memo1 keeps its own font.
    EXPECT_EQ(form->Memo1.font().name, "MS Sans Serif");
    EXPECT_TRUE(form->Memo1.font().bold);
}

// An empty name keeps the font dialog's face, so the list keeps its designed name; a long one
// is cut to what a font record holds.
TEST_F(SettingsTest, Reader_FontNameEmptyKeepsTheFaceAndLongIsCutTo31Bytes) {
    sim.files.putFile(setFile, "0\r\n");
    start();
    EXPECT_EQ(form->state.listFontName, "");
    EXPECT_EQ(form->CheckListBox1.font().name, "MS Sans Serif");
    EXPECT_EQ(form->CheckListBox1.font().size, 0);
    EXPECT_EQ(form->CheckListBox1.font().color, 0);

    const std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    sim.files.putFile(setFile, "0\r\n12\r\n" + longName + "\r\n0\r\n");
    start();
    EXPECT_EQ(form->state.listFontName, longName);
    EXPECT_EQ(form->CheckListBox1.font().name, longName.substr(0, 31));
}

TEST_F(SettingsTest, Reader_UnreadableFileShowsTheMessageAndChangesNothing) {
    sim.files.putFile(setFile, "0\r\n12\r\nArial\r\n255\r\n");
    sim.files.failRead[sim::pathKey(setFile)] = 5;
    sim.dialogs.expectBox();
    start();
    ASSERT_EQ(sim.dialogs.shown.size(), 1u);
    EXPECT_EQ(sim.dialogs.shown[0].text, kUnreadable);
    EXPECT_EQ(form->state.showInTray, kSet);
    EXPECT_EQ(form->state.listFontName, "宋体");
}

TEST_F(SettingsTest, NoFile_DesignedFontThenCloseWritesDefaultsThatTheNextRunShows) {
    start();
    EXPECT_EQ(form->CheckListBox1.font().name, "MS Sans Serif");
    EXPECT_EQ(form->CheckListBox1.font().height, 16);
    EXPECT_EQ(form->SaveDialog1.initialDir, "c:\\");
    app.dispatch([this] { form->close(); });
    ASSERT_TRUE(app.terminated());
    ASSERT_NE(sim.files.file(setFile), nullptr);
    EXPECT_EQ(*sim.files.file(setFile), "-1\r\n14\r\n宋体\r\n-16777208\r\n");

    start();
    EXPECT_EQ(form->CheckListBox1.font().name, "宋体");
    EXPECT_EQ(form->CheckListBox1.font().size, 14);
    EXPECT_EQ(form->CheckListBox1.font().color, ui::kClWindowText);
}

TEST_F(SettingsTest, Writer_SavesTheSwitchAndTheChosenFontForTheNextRun) {
    sim.files.putFile(setFile, "5\r\n14\r\n宋体\r\n-16777208\r\n");
    start();
    click("xiansituopan");
    FontChoice chosen;
    chosen.name = "Arial";
    chosen.size = 20;
    chosen.color = 0x00FF00;
    chosen.bold = true;
    sim.dialogs.expectFont(chosen);
    click("N67");
    click("mu_savesuxin");
    EXPECT_EQ(*sim.files.file(setFile), "0\r\n20\r\nArial\r\n65280\r\n");

    // After a restart the list has the same name, size and colour, but not the style.
    start();
    EXPECT_EQ(form->state.showInTray, kClear);
    EXPECT_FALSE(form->CnTrayIcon1.active());
    EXPECT_EQ(form->CheckListBox1.font().name, "Arial");
    EXPECT_EQ(form->CheckListBox1.font().size, 20);
    EXPECT_EQ(form->CheckListBox1.font().color, 0x00FF00);
    EXPECT_FALSE(form->CheckListBox1.font().bold);
}

// A settings file that cannot be written keeps its old bytes; the menu command reports the
// error and the close stops on it, leaving the program open.
TEST_F(SettingsTest, Writer_ReadOnlyFileKeepsOldBytesAndTheProgramOpen) {
    const std::string old = "0\r\n12\r\nArial\r\n255\r\n";
    sim.files.putFile(setFile, old);
    start();
    click("xiansituopan");
    sim.files.failOpen[sim::pathKey(setFile)] = 5;

    sim.dialogs.expectBox();
    click("mu_savesuxin");
    ASSERT_EQ(sim.dialogs.shown.size(), 1u);
    EXPECT_EQ(sim.dialogs.shown[0].text, "File access denied.");
    EXPECT_EQ(sim.dialogs.shown[0].caption, "Tesvar2.0");

    sim.dialogs.expectBox();
    app.dispatch([this] { form->close(); });
    EXPECT_EQ(sim.dialogs.shown.size(), 2u);
    EXPECT_FALSE(app.terminated());
    EXPECT_EQ(*sim.files.file(setFile), old);
    // The list was saved before the settings failed.
    EXPECT_EQ(sim.files.writes.front(), xp);
}

TEST_F(SettingsTest, Writer_FailureWhileWritingKeepsTheOldFile) {
    const std::string old = "0\r\n12\r\nArial\r\n255\r\n";
    sim.files.putFile(setFile, old);
    start();
    sim.files.failWriteCode = 101;
    sim.files.failWriteAfter = 3;
    sim.dialogs.expectBox();
    click("mu_savesuxin");
    EXPECT_EQ(sim.dialogs.shown.back().text, "Disk full.");
    EXPECT_EQ(*sim.files.file(setFile), old);
}

}  // namespace
}  // namespace tesvar::testing
