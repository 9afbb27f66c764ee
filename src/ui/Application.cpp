#include "ui/Application.h"

#include <stdexcept>

namespace tesvar::ui {

void Application::setTitle(const std::string& t) {
    title_ = t;
    if (peer_) peer_->titleChanged();
}

void Application::minimize() {
    minimized_ = true;
    if (peer_) peer_->minimize();
}

void Application::restore() {
    minimized_ = false;
    if (peer_) peer_->restore();
}

void Application::showTaskbarButton(bool shown) {
    taskbarButton_ = shown;
    if (peer_) peer_->setTaskbarButton(shown);
}

void Application::terminate() {
    terminated_ = true;
    if (peer_) peer_->terminate();
}

std::string Application::errorBoxText(const std::string& message) {
    // "Sorts after" compares the last byte as an unsigned character, so the trail byte
    // of a two-byte character counts as well.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

void Application::showException(const std::exception& e) {
    dialogs_.messageBox({errorBoxText(e.what()), title_, mb::kIconError, BoxOwner::Application});
}

void Application::dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        showException(e);
    } catch (...) {
        showException(std::runtime_error("Unknown error"));
    }
}

}  // namespace tesvar::ui
