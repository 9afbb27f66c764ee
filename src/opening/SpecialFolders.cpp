#include "app/Form1.h"

namespace tesvar {

void TForm1::getxitonglujin() {}

std::string TForm1::getspecialpath(int /*csidl*/) { return std::string(); }

void TForm1::w1Click() {}

void TForm1::N65Click() {}

void TForm1::N3Click() {}

void TForm1::N11Click() {}

void TForm1::N13Click() {}

void TForm1::N16Click() {}

void TForm1::N22Click() {}

}  // namespace tesvar
