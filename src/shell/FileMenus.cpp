#include "app/Form1.h"

namespace tesvar {

void TForm1::wodesujuhedongtaiClick() {}

void TForm1::cenxvkuaijiedongtaiClick() {}

}  // namespace tesvar
