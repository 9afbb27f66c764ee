#include "app/Form1.h"

namespace tesvar {

void TForm1::wodesujuhedongtaiClick() {}

void TForm1::cenxvkuaijiedongtaiClick() {}

void TForm1::genxincenxvkuaijieClick() {}

void TForm1::MyClick(ui::MenuItem& /*sender*/) {}

void TForm1::bianjiMyClick(ui::MenuItem& /*sender*/) {}

void TForm1::menu_cenxvkuaijieClick(ui::MenuItem& /*sender*/) {}

std::string TForm1::resolveShortcut(const std::string& /*path*/) { return std::string(); }

void TForm1::cakanqidongClick() {}

void TForm1::N83Click() {}

void TForm1::N85Click() {}

void TForm1::N87Click() {}

}  // namespace tesvar
