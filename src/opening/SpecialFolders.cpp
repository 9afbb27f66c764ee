#include "app/Form1.h"

namespace tesvar {

void TForm1::getxitonglujin() {}

}  // namespace tesvar
