#include "app/Form1.h"

namespace tesvar {

void TForm1::cuangtisuofangClick() {}

void TForm1::FormResize() {}

void TForm1::huanpifuClick() {}

}  // namespace tesvar
