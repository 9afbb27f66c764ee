#pragma once
// The about box: product picture, name, author line, web site and mail address. One instance,
// made at start beside the main window, hidden until the help menu shows it; it is not modal.

#include <vector>

#include "platform/Platform.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace tesvar {

class TAboutBox : public ui::Form {
public:
    explicit TAboutBox(Platform& platform);

    // The designed size of the box's client area; the frame comes on top.
    static constexpr int kClientWidth = 369;
    static constexpr int kClientHeight = 265;

    ui::Panel Panel1{"Panel1", this};
    ui::Image ProgramIcon{"ProgramIcon", &Panel1};
    ui::Label ProductName{"ProductName", &Panel1};
    ui::Label Version{"Version", &Panel1};
    ui::Label Label1{"Label1", &Panel1};
    ui::Label Comments{"Comments", &Panel1};
    ui::Button OKButton{"OKButton", this};

    // Every control of the box, parents before children.
    std::vector<ui::Control*> controls();

    void ProductNameDblClick();
    void VersionDblClick();
    void Label1Click();
    void CommentsClick();
    void CommentsDblClick();
    void OKButtonClick();

private:
    void layOutDesign();

    Platform& platform_;
};

}  // namespace tesvar
