#include "help/AboutBox.h"

#include <string>

#include "help/Links.h"
#include "help/ProductPicture.h"
#include "platform/Jpeg.h"

namespace tesvar {

namespace {
const char kAuthorLine[] = "作者：Kestrom    版本 2.0";
const char kCopyHint[] = "双击复制";
}  // namespace

TAboutBox::TAboutBox(Platform& platform) : ui::Form("AboutBox"), platform_(platform) {
    layOutDesign();
    ProductName.onDblClick = [this] { ProductNameDblClick(); };
    Version.onDblClick = [this] { VersionDblClick(); };
    Label1.onClick = [this] { Label1Click(); };
    Comments.onClick = [this] { CommentsClick(); };
    Comments.onDblClick = [this] { CommentsDblClick(); };
    OKButton.onClick = [this] { OKButtonClick(); };
    // The close box only hides the box: it lives as long as the program.
    onClose = [this] { hide(); };
}

void TAboutBox::layOutDesign() {
    setVisible(false);
    setCaption("About");
    const ui::Font formFont{"MS Sans Serif", 0, 11};
    setFont(formFont);

    Panel1.setBounds({6, 8, 355, 201});
    Panel1.setFont(formFont);
    ProgramIcon.setBounds({8, 8, 65, 57});
    ProgramIcon.setStretch(true);
    ProgramIcon.setPicture(decodeJpeg(kProductPictureJpeg, kProductPictureJpegSize));

    ProductName.setBounds({88, 16, 209, 19});
    ProductName.setFont(formFont);
    ProductName.setCaption("Tesvar2.0");
    ProductName.setHint(kCopyHint);
    Version.setBounds({88, 46, 233, 17});
    Version.setFont(formFont);
    Version.setCaption(kAuthorLine);
    Version.setHint(kCopyHint);

    ui::Font linkFont{"宋体", 0, 13};
    linkFont.underline = true;
    Label1.setBounds({8, 88, 273, 25});
    Label1.setFont(linkFont);
    Label1.setCaption(std::string("网站：") + linkAddress(Link::WebSite));
    Comments.setBounds({8, 137, 337, 26});
    Comments.setFont({"宋体", 0, 13});
    Comments.setCaption(std::string("邮件：") + linkAddress(Link::Mail) + "  （双击打开，单击复制）");
    Comments.setHint("单击复制到剪切板");

    OKButton.setBounds({143, 221, 75, 25});
    OKButton.setFont(formFont);
    OKButton.setCaption("OK");
}

std::vector<ui::Control*> TAboutBox::controls() {
    return {&Panel1, &ProgramIcon, &ProductName, &Version, &Label1, &Comments, &OKButton};
}

void TAboutBox::ProductNameDblClick() { platform_.clipboard.setText(ProductName.caption()); }

void TAboutBox::VersionDblClick() { platform_.clipboard.setText(Version.caption()); }

void TAboutBox::Label1Click() {
    platform_.shell.execute({ShellOwner::AboutBox, "open", linkAddress(Link::WebSite), "", "", sw::kShowNormal});
}

// The label shows the address among other words; only the address goes on the clipboard.
void TAboutBox::CommentsClick() { platform_.clipboard.setText(linkAddress(Link::Mail)); }

void TAboutBox::CommentsDblClick() {
    platform_.shell.execute(
        {ShellOwner::AboutBox, "open", std::string("mailto:") + linkAddress(Link::Mail), "", "", sw::kShowNormal});
}

void TAboutBox::OKButtonClick() { hide(); }

}  // namespace tesvar
