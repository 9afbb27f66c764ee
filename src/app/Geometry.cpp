#include "app/Form1.h"

namespace tesvar {

void TForm1::cuangtisuofangClick() {}

void TForm1::FormResize() {}

void TForm1::menutopClick() {}

void TForm1::N67Click() {}

void TForm1::huanpifuClick() {}

}  // namespace tesvar
