#include "app/Form1.h"

namespace tesvar {

void TForm1::qidongduruzuceClick() {}

}  // namespace tesvar
