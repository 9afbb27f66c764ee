#include "app/Form1.h"

namespace tesvar {

void TForm1::CheckListBox1DblClick() {}

void TForm1::mytuopanClick(ui::MenuItem& /*sender*/) {}

void TForm1::piliangdakaiClick() {}

}  // namespace tesvar
