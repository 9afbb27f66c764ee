#include "app/Form1.h"

namespace tesvar {

void TForm1::readmeClick() {}

void TForm1::mu_geClick() {}

void TForm1::N1001Click() {}

void TForm1::N94Click() {}

void TForm1::N96Click() {}

void TForm1::N23Click() {}

void TForm1::my7Click() {}

void TForm1::my9Click() {}

void TForm1::N56Click() {}

void TForm1::N58Click() {}

void TForm1::N60Click() {}

void TForm1::N70Click() {}

void TForm1::my2Click() {}

void TForm1::my3Click() {}

void TForm1::my4Click() {}

void TForm1::my5Click() {}

void TForm1::my6Click() {}

void TForm1::my8Click() {}

void TForm1::my10Click() {}

}  // namespace tesvar
