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

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual int messageBox(const MessageBoxRequest& request) = 0;
};

}  // namespace tesvar
