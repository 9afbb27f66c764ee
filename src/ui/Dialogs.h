#pragma once
// The program's common dialogs as components: each keeps its settings between uses and
// asks the platform to show the real dialog.

#include <string>

#include "platform/Dialogs.h"

namespace tesvar::ui {

class FileDialog {
public:
    FileDialog(Dialogs& dialogs, bool save) : dialogs_(dialogs), save_(save) {}
    std::string filter;
    std::string defaultExt;
    std::string initialDir;
    std::string fileName;
    // Shows the dialog; true and fileName set when the user confirmed.
    bool execute();

private:
    Dialogs& dialogs_;
    bool save_;
};

class FontDialog {
public:
    explicit FontDialog(Dialogs& dialogs) : dialogs_(dialogs) {}
    FontChoice font;
    bool execute() { return dialogs_.chooseFont(font); }

private:
    Dialogs& dialogs_;
};

}  // namespace tesvar::ui
