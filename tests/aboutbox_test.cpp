#include "Fixture.h"
#include "help/Links.h"

namespace tesvar::testing {
namespace {

class AboutBoxTest : public ProgramTest {
protected:
    TAboutBox& box() { return *aboutBox; }
    // A user's action on a control of the box, through the toolkit's dispatch.
    void user(const std::function<void()>& action) { app.dispatch(action); }
};

TEST_F(AboutBoxTest, Layout_AsDesigned) {
    start();
    TAboutBox& b = box();
    EXPECT_EQ(b.caption(), "About");
    EXPECT_EQ(TAboutBox::kClientWidth, 369);
    EXPECT_EQ(TAboutBox::kClientHeight, 265);
    EXPECT_EQ(b.font().name, "MS Sans Serif");

    struct Case {
        ui::Control* control;
        ui::Control* parent;
        ui::Bounds bounds;
        const char* hint;
    };
    const Case cases[] = {
        {&b.Panel1, &b, {6, 8, 355, 201}, ""},
        {&b.ProgramIcon, &b.Panel1, {8, 8, 65, 57}, ""},
        {&b.ProductName, &b.Panel1, {88, 16, 209, 19}, "双击复制"},
        {&b.Version, &b.Panel1, {88, 46, 233, 17}, "双击复制"},
        {&b.Label1, &b.Panel1, {8, 88, 273, 25}, ""},
        {&b.Comments, &b.Panel1, {8, 137, 337, 26}, "单击复制到剪切板"},
        {&b.OKButton, &b, {143, 221, 75, 25}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.control->parent(), c.parent) << c.control->name();
        EXPECT_EQ(c.control->bounds(), c.bounds) << c.control->name();
        EXPECT_EQ(c.control->hint(), c.hint) << c.control->name();
    }
    EXPECT_EQ(b.controls().size(), std::size(cases));

    EXPECT_EQ(b.ProductName.caption(), "Tesvar2.0");
    EXPECT_FALSE(b.Version.caption().empty());
    EXPECT_EQ(b.Label1.caption(), std::string("网站：") + linkAddress(Link::WebSite));
    EXPECT_EQ(b.Comments.caption(), std::string("邮件：") + linkAddress(Link::Mail) + "  （双击打开，单击复制）");
    EXPECT_EQ(b.OKButton.caption(), "OK");
    for (ui::Label* label : {&b.Label1, &b.Comments}) {
        EXPECT_EQ(label->font().name, "宋体") << label->name();
        EXPECT_EQ(label->font().height, 13) << label->name();
    }
    EXPECT_TRUE(b.Label1.font().underline);
    EXPECT_FALSE(b.Comments.font().underline);
}

TEST_F(AboutBoxTest, Picture_IsTheDecodedProductJpegStretched) {
    start();
    const ui::Image& icon = box().ProgramIcon;
    EXPECT_TRUE(icon.stretch());
    ASSERT_FALSE(icon.picture().empty());
    EXPECT_EQ(icon.picture().width, 130);
    EXPECT_EQ(icon.picture().height, 114);
    EXPECT_EQ(icon.picture().pixels.size(), 130u * 114u);
}

TEST_F(AboutBoxTest, Show_HiddenAtStartAndOneBoxForTwoClicks) {
    start();
    EXPECT_FALSE(box().visible());
    click("N56");
    EXPECT_TRUE(box().visible());
    click("N56");
    EXPECT_TRUE(box().visible());
    // Each click brings the one box forward.
    EXPECT_EQ(box().focusRequests(), 2);
}

TEST_F(AboutBoxTest, OkAndCloseBox_HideItAndItComesBack) {
    start();
    const std::pair<const char*, std::function<void()>> closers[] = {
        {"OK", [this] { box().OKButton.click(); }},
        {"close box", [this] { box().close(); }},
    };
    for (const auto& [name, closeIt] : closers) {
        click("N56");
        ASSERT_TRUE(box().visible()) << name;
        user(closeIt);
        EXPECT_FALSE(box().visible()) << name;
    }
    click("N56");
    EXPECT_TRUE(box().visible());
}

TEST_F(AboutBoxTest, CopyActions_PutPlainTextOnTheClipboard) {
    start();
    struct Case {
        const char* name;
        std::function<void()> action;
        std::string copied;
    };
    const Case cases[] = {
        {"double-click ProductName", [this] { box().ProductName.dblClick(); }, "Tesvar2.0"},
        {"double-click Version", [this] { box().Version.dblClick(); }, box().Version.caption()},
        {"click Comments", [this] { box().Comments.click(); }, linkAddress(Link::Mail)},
    };
    for (const Case& c : cases) {
        sim.clipboard.text = "what was there";
        user(c.action);
        EXPECT_EQ(sim.clipboard.text, c.copied) << c.name;
    }
    // Only the address: neither the label's words nor the hint.
    EXPECT_EQ(sim.clipboard.text.find("邮件"), std::string::npos);
    EXPECT_EQ(sim.clipboard.text.find("双击"), std::string::npos);
    EXPECT_TRUE(sim.shell.executed.empty());
}

TEST_F(AboutBoxTest, Links_OpenThroughTheShellOwnedByTheBox) {
    start();
    user([this] { box().Label1.click(); });
    // A double-click arrives as the click of its first press, then the double-click.
    user([this] { box().Comments.click(); });
    user([this] { box().Comments.dblClick(); });
    ASSERT_EQ(sim.shell.executed.size(), 2u);
    const ShellExecuteRequest& site = sim.shell.executed[0];
    EXPECT_EQ(site.owner, ShellOwner::AboutBox);
    EXPECT_EQ(site.verb, "open");
    EXPECT_EQ(site.file, linkAddress(Link::WebSite));
    EXPECT_EQ(site.show, sw::kShowNormal);
    const ShellExecuteRequest& mail = sim.shell.executed[1];
    EXPECT_EQ(mail.owner, ShellOwner::AboutBox);
    EXPECT_EQ(mail.verb, "open");
    EXPECT_EQ(mail.file, std::string("mailto:") + linkAddress(Link::Mail));
    EXPECT_EQ(mail.show, sw::kShowNormal);
    EXPECT_EQ(sim.clipboard.history, std::vector<std::string>{linkAddress(Link::Mail)});
}

}  // namespace
}  // namespace tesvar::testing
