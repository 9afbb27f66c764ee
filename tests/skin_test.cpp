#include "platform/Skin.h"

#include <fstream>
#include <iterator>

#include "Fixture.h"

namespace tesvar::testing {
namespace {

const char kSkinPath[] = "C:\\Tesvar\\皮肤\\白柳绿_Luna (Longhorn Revolution)-HOMESTEAD.skn";

TEST(SkinFormatTest, Parse_SectionsKeysColoursAndFont) {
    const SkinLook look = parseSkin(
        "; a comment\r\n"
        "[Window]\r\n"
        "  FACE =  #102030 \r\n"
        "\r\n"
        "[toolbar]\n"
        "face=#FFFFFF\n"
        "text = #000001\n"
        "font = 宋体 , 14\n"
        "[menu]\r\n"
        "face = #abcdef\r\n"
        "[memo]\r\n"
        "face = #010203\r\n"
        "text = #040506\r\n"
        "[list]\r\n"
        "face = #0A0B0C");
    EXPECT_EQ(look.windowFace, 0x302010);
    EXPECT_EQ(look.toolBarFace, 0xFFFFFF);
    EXPECT_EQ(look.toolBarText, 0x010000);
    EXPECT_EQ(look.toolBarFontName, "宋体");
    EXPECT_EQ(look.toolBarFontHeight, 14);
    EXPECT_EQ(look.menuFace, 0xEFCDAB);
    EXPECT_EQ(look.memoFace, 0x030201);
    EXPECT_EQ(look.memoText, 0x060504);
    EXPECT_EQ(look.listFace, 0x0C0B0A);
}

TEST(SkinFormatTest, Parse_IgnoresWhatDoesNotRead) {
    const SkinLook look = parseSkin(
        "face = #102030\r\n"  // before any section
        "[window]\r\n"
        "face = 102030\r\n"
        "face = #10203\r\n"
        "face = #1020304\r\n"
        "face = #10203G\r\n"
        "colour = #102030\r\n"
        "[toolbar]\r\n"
        "font = Arial\r\n"
        "font = Arial, 0\r\n"
        "font = Arial, 12px\r\n"
        "font = , 12\r\n"
        "[nonsense]\r\n"
        "face = #102030\r\n"
        "[menu\r\n"
        "face = #102030\r\n"
        "garbage line\r\n");
    const SkinLook none;
    EXPECT_EQ(look.windowFace, none.windowFace);
    EXPECT_EQ(look.toolBarFontName, "");
    EXPECT_EQ(look.toolBarFontHeight, 0);
    EXPECT_EQ(look.menuFace, none.menuFace);
    EXPECT_EQ(parseSkin("").windowFace, SkinLook::kNone);
}

// The skin file that ships with the program sets every part of the look.
TEST(SkinFormatTest, ShippedSkin_SetsEveryValue) {
    std::ifstream in(std::string(TESVAR_SOURCE_DIR) + u8"/data/皮肤/白柳绿_Luna (Longhorn Revolution)-HOMESTEAD.skn",
                     std::ios::binary);
    ASSERT_TRUE(in);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const SkinLook look = parseSkin(bytes);
    for (int colour : {look.windowFace, look.toolBarFace, look.toolBarText, look.menuFace, look.memoFace, look.memoText,
                       look.listFace})
        EXPECT_NE(colour, SkinLook::kNone);
    EXPECT_FALSE(look.toolBarFontName.empty());
    EXPECT_GT(look.toolBarFontHeight, 0);
    // Text in the program's code page with CR LF line ends, as all its data files.
    EXPECT_EQ(bytes.find("\n"), bytes.find("\r\n") + 1);
}

class SkinTest : public ProgramTest {};

TEST_F(SkinTest, Startup_SetsTheFileThenSwitchesSkinningOn) {
    sim.files.putFile(kSkinPath, "[window]\r\nface = #ECE9D8\r\n");
    start();
    EXPECT_EQ(sim.skin.calls, (std::vector<std::string>{std::string("file ") + kSkinPath, "activate"}));
    EXPECT_TRUE(sim.skin.loaded);
    EXPECT_TRUE(sim.skin.active);
    EXPECT_EQ(sim.skin.look.windowFace, 0xD8E9EC);
}

TEST_F(SkinTest, Startup_MissingSkinFileIsSilent) {
    start();
    EXPECT_EQ(sim.skin.calls.size(), 2u);
    EXPECT_FALSE(sim.skin.loaded);
    EXPECT_TRUE(sim.skin.active);
    EXPECT_TRUE(sim.dialogs.shown.empty());
}

}  // namespace
}  // namespace tesvar::testing
