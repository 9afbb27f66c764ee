#include "app/Form1.h"

namespace tesvar {

void TForm1::tianjiamuluClick() {}

void TForm1::xiugailujinClick() {}

}  // namespace tesvar
