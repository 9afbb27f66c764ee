#include "ui/Dialogs.h"

namespace tesvar::ui {

bool FileDialog::execute() {
    FileDialogRequest request{filter, defaultExt, initialDir, fileName};
    const bool confirmed = save_ ? dialogs_.saveFile(request) : dialogs_.openFile(request);
    if (confirmed) fileName = request.fileName;
    return confirmed;
}

}  // namespace tesvar::ui
