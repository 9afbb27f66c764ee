#pragma once
#include <string>

namespace tesvar {

// Who owns a message box: nobody (system-modal questions), the application's hidden
// window (plain message dialogs and the standard error box), or the main window.
enum class BoxOwner { None, Application, MainWindow };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    unsigned flags = 0;  // MB_* values, as MessageBoxA takes them
    BoxOwner owner = BoxOwner::Application;
};

// MessageBox flags and answers, with the values Windows gives them.
namespace mb {
constexpr unsigned kOk = 0x0000;
constexpr unsigned kOkCancel = 0x0001;
constexpr unsigned kIconError = 0x0010;
constexpr unsigned kIconQuestion = 0x0020;
constexpr unsigned kIconWarning = 0x0030;
constexpr unsigned kIconInformation = 0x0040;
constexpr unsigned kSystemModal = 0x1000;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
}  // namespace mb

// What an open or save dialog is shown with, and what the user chose.
struct FileDialogRequest {
    std::string filter;      // the description shown for the files
    std::string defaultExt;  // added to a name typed without an extension (save only)
    std::string initialDir;
    std::string fileName;  // in: the name preset; out: the name chosen
};

// The font a font dialog starts with and returns.
struct FontChoice {
    std::string name;
    int size = 0;  // points
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 1;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual int messageBox(const MessageBoxRequest& request) = 0;
    // True when the user confirmed; the chosen name is then in request.fileName.
    virtual bool openFile(FileDialogRequest& request) = 0;
    virtual bool saveFile(FileDialogRequest& request) = 0;
    // True when the user confirmed; the chosen font is then in font.
    virtual bool chooseFont(FontChoice& font) = 0;
    // The shell's folder browser; the chosen folder's path, or empty when cancelled.
    virtual std::string browseForFolder(const std::string& title, const std::string& startFolder) = 0;
};

}  // namespace tesvar
