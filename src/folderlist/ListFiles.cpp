#include "app/Form1.h"

namespace tesvar {

void TForm1::mu_dakaiyangliClick() {}

void TForm1::menusaveClick() {}

}  // namespace tesvar
