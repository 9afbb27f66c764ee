#include "app/Form1.h"

namespace tesvar {

void TForm1::duruseziClick() {}

void TForm1::mu_savesuxinClick() {}

}  // namespace tesvar
