#include <cstdint>

#include "app/Form1.h"

namespace tesvar {

namespace {
// The screen the window was laid out for.
constexpr int kDesignScreenWidth = 800;
constexpr int kDesignScreenHeight = 600;
// The tool bar spans the top edge inside the window's frame: its designed width is the
// designed window width less this.
constexpr int kToolBarInset = 691 - 683;
// A font record holds at most this many bytes of a face name.
constexpr size_t kMaxFaceNameBytes = 31;
const char kSkinFile[] = "\\皮肤\\白柳绿_Luna (Longhorn Revolution)-HOMESTEAD.skn";

// screen × size ÷ design in 32-bit integers: the product wraps as a 32-bit one would, and
// the division drops the remainder.
int scaled(int screen, int size, int design) {
    const int32_t product = static_cast<int32_t>(static_cast<uint32_t>(screen) * static_cast<uint32_t>(size));
    return product / design;
}
}  // namespace

// Runs while startupScaling keeps FormResize still, so the layout is applied here once the
// new size is set. A screen wider than the design is enough to scale, whatever its height,
// so a short screen can shrink the height.
void TForm1::cuangtisuofangClick() {
    const ScreenSize screen = platform_.system.screenSize();
    if (screen.width < kDesignScreenWidth ||
        (screen.width == kDesignScreenWidth && screen.height <= kDesignScreenHeight))
        return;
    setHeight(scaled(screen.height, height(), kDesignScreenHeight));
    setWidth(scaled(screen.width, width(), kDesignScreenWidth));
    layOutToWindow();
}

void TForm1::FormResize() {
    if (state.startupScaling) return;
    layOutToWindow();
}

// Keeps the fixed margins to the right and bottom edges; all added height goes to the list,
// all added width to Panel1, the list and Memo1. It depends only on the current sizes, so a
// second run at the same size changes nothing. No lower limit: a window smaller than the
// margins gives negative sizes, which the real controls take as empty.
void TForm1::layOutToWindow() {
    const int panelHeight = height() - state.bottomMargin - Panel1.top();
    const int listHeight = panelHeight - Panel2.height() - 2;
    Panel1.setHeight(panelHeight);
    CheckListBox1.setHeight(listHeight);
    const int newLeft = width() - Panel1.left() - state.rightMargin - 5;
    const int delta = newLeft - Panel4.left();
    Panel4.setBounds({newLeft, Panel4.top(), Panel4.width(), listHeight});
    Panel1.setWidth(Panel1.width() + delta);
    Memo1.setWidth(Memo1.width() + delta);
    // Inside Panel1's one-pixel border the list spans the top, Panel2 fills the rest below it
    // and keeps its height; inside Panel2, Panel3 takes what Memo1 leaves.
    CheckListBox1.setWidth(Panel1.width() - 2);
    Panel2.setBounds({1, CheckListBox1.top() + listHeight, Panel1.width() - 2, Panel2.height()});
    const int panel3Left = Memo1.left() + Memo1.width();
    Panel3.setBounds({panel3Left, Panel3.top(), Panel2.width() - 1 - panel3Left, Panel3.height()});
    ToolBar1.setWidth(width() - kToolBarInset);
}

// Not saved: every run starts with the normal style.
void TForm1::menutopClick() {
    ui::MenuItem& item = menuItem("menutop");
    item.setChecked(!item.checked());
    setFormStyle(item.checked() ? ui::FormStyle::StayOnTop : ui::FormStyle::Normal);
}

// The dialog keeps its own font between uses (style and script included); only name, size
// and colour come from and go back to the program's state.
void TForm1::N67Click() {
    presetFontDialog();
    if (!FontDialog1.execute()) return;
    applyDialogFontToList();
    Application.minimize();
    Application.restore();
    state.listFontName = FontDialog1.font.name;
    state.listFontSize = FontDialog1.font.size;
    state.listFontColor = FontDialog1.font.color;
}

// An empty name leaves the dialog's face as it is, as a font's name cannot be emptied.
void TForm1::presetFontDialog() {
    FontChoice& font = FontDialog1.font;
    if (!state.listFontName.empty()) font.name = state.listFontName.substr(0, kMaxFaceNameBytes);
    font.size = state.listFontSize;
    font.color = state.listFontColor;
}

void TForm1::applyDialogFontToList() {
    const FontChoice& chosen = FontDialog1.font;
    ui::Font font;
    font.name = chosen.name;
    font.size = chosen.size;
    font.color = chosen.color;
    font.bold = chosen.bold;
    font.italic = chosen.italic;
    font.underline = chosen.underline;
    font.strikeOut = chosen.strikeOut;
    font.charset = chosen.charset;
    CheckListBox1.setFont(font);
}

// Set the file first, then switch skinning on; a missing skin file is silent and leaves
// the standard look.
void TForm1::huanpifuClick() {
    platform_.skin.setSkinFile(state.baseDir + kSkinFile);
    platform_.skin.activate();
}

}  // namespace tesvar
