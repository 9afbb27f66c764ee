#pragma once
#include <exception>
#include <functional>
#include <string>

#include "platform/Dialogs.h"

namespace tesvar::ui {

class AppPeer {
public:
    virtual ~AppPeer() = default;
    virtual void titleChanged() = 0;
    virtual void minimize() = 0;
    virtual void restore() = 0;
    virtual void setTaskbarButton(bool shown) = 0;
    virtual void terminate() = 0;
};

// The application object: title, minimise/restore, the taskbar button, the end of the
// message loop, and the standard error box every handler's error lands in.
class Application {
public:
    explicit Application(Dialogs& dialogs) : dialogs_(dialogs) {}

    const std::string& title() const { return title_; }
    void setTitle(const std::string& t);

    bool minimized() const { return minimized_; }
    void minimize();
    void restore();
    bool taskbarButtonShown() const { return taskbarButton_; }
    void showTaskbarButton(bool shown);
    // The peer reports a minimise or restore that came from outside the program.
    void peerMinimized(bool minimized) { minimized_ = minimized; }

    // Ends the message loop after the current handler returns.
    void terminate();
    bool terminated() const { return terminated_; }

    // Runs an event handler; an error it raises ends it and is shown in the standard
    // error box, and the program goes on.
    void dispatch(const std::function<void()>& handler);
    void showException(const std::exception& e);
    // The standard error box's text: the message, with "." appended when its last
    // character sorts after ".".
    static std::string errorBoxText(const std::string& message);

    void attachPeer(AppPeer* p) { peer_ = p; }

private:
    Dialogs& dialogs_;
    std::string title_;
    bool minimized_ = false;
    bool taskbarButton_ = true;
    bool terminated_ = false;
    AppPeer* peer_ = nullptr;
};

}  // namespace tesvar::ui
