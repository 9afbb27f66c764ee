#include "ui/Application.h"

#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "platform/sim/SimPlatform.h"

namespace tesvar::testing {
namespace {

TEST(ApplicationTest, ErrorBoxText_AppendsPeriodAfterCharactersSortingAfterIt) {
    struct Case {
        std::string message;
        std::string shown;
    };
    const Case cases[] = {
        {"File not found", "File not found."},
        {"I/O error 32", "I/O error 32."},
        {"Done.", "Done."},
        {"Ends with dash -", "Ends with dash -"},
        {"Ends with space ", "Ends with space "},
        {"", ""},
        {"出错", "出错."},  // the trail byte sorts after "."
        {"x/", "x/."},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::Application::errorBoxText(c.message), c.shown) << c.message;
}

TEST(ApplicationTest, Dispatch_ShowsTheErrorAndGoesOn) {
    sim::SimDialogs dialogs;
    dialogs.expectBox();
    ui::Application app(dialogs);
    app.setTitle("Tesvar2.0");
    bool after = false;
    app.dispatch([] { throw FileError(2); });
    app.dispatch([&] { after = true; });
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "File not found.");
    EXPECT_EQ(dialogs.shown[0].caption, "Tesvar2.0");
    EXPECT_EQ(dialogs.shown[0].flags, mb::kIconError);
    EXPECT_TRUE(after);
    EXPECT_TRUE(dialogs.unexpected.empty());
}

TEST(ApplicationTest, FileError_TextByCode) {
    const std::pair<int, const char*> cases[] = {
        {2, "File not found"},     {3, "Invalid filename"},          {4, "Too many open files"},
        {5, "File access denied"}, {100, "Read beyond end of file"}, {101, "Disk full"},
        {32, "I/O error 32"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_STREQ(FileError(code).what(), text);
        EXPECT_EQ(FileError(code).code(), code);
    }
}

}  // namespace
}  // namespace tesvar::testing
