#include "app/Form1.h"

namespace tesvar {

std::string TForm1::getWindowsVersionName() { return std::string(); }

}  // namespace tesvar
