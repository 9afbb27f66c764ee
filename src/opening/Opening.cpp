#include "app/Form1.h"

namespace tesvar {

void TForm1::mytuopanClick(ui::MenuItem& /*sender*/) {}

}  // namespace tesvar
