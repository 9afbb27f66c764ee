#include "app/Form1.h"

namespace tesvar {

void TForm1::xiansituopanClick() {
    ui::MenuItem& item = menuItem("xiansituopan");
    item.setChecked(!item.checked());
    state.showInTray = item.checked() ? kSet : kClear;
    CnTrayIcon1.setActive(item.checked());
    CnTrayIcon1.setAutoHide(item.checked());
}

void TForm1::CnTrayIcon1Click() {
    if (Application.minimized())
        RestoreFromTray();
    else
        HideToTray();
}

void TForm1::tuopantuicuClick() { close(); }

void TForm1::HideToTray() {
    if (!Application.minimized()) {
        Application.minimize();
        hide();
    }
    Application.showTaskbarButton(false);
}

void TForm1::RestoreFromTray() {
    Application.showTaskbarButton(true);
    if (Application.minimized()) Application.restore();
    show();
}

}  // namespace tesvar
