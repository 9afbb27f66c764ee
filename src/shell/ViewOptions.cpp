#include "app/Form1.h"

namespace tesvar {

void TForm1::xisikuozanminClick() {}

void TForm1::xisikuozanmin2Click() {}

void TForm1::xiansiyincangClick() {}

void TForm1::xiansiyincang2Click() {}

void TForm1::qidongduruzuceClick() {}

void TForm1::xiansizuomianClick() {}

void TForm1::refreshExplorerWindows() {}

}  // namespace tesvar
