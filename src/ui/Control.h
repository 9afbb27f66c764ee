#pragma once
// Headless models of the controls the program owns. A model holds the state the program
// works on and raises the events its handlers are named after; a peer (the real window on
// Windows, none in tests) mirrors the model. Nothing here depends on a UI system.

#include <functional>
#include <string>

namespace tesvar::ui {

using Notify = std::function<void()>;

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Bounds& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// The system window-text colour as a colour value of the toolkit.
constexpr int kClWindowText = -16777208;

struct Font {
    std::string name;
    int size = 0;    // points; 0 when the font was given by pixel height
    int height = 0;  // pixels; 0 when the font was given by size
    int color = kClWindowText;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 1;  // DEFAULT_CHARSET
};

// Modifier keys and mouse buttons held during a key or mouse event.
struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;
    bool onlyShift() const { return shift && !ctrl && !alt && !left && !right && !middle; }
};

enum class Change { Bounds, Visible, Enabled, Hint, Caption, Font, Text, Focus };

class Control;

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void changed(Change what) = 0;
};

class Control {
public:
    explicit Control(std::string name, Control* parent = nullptr) : name_(std::move(name)), parent_(parent) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Control* parent() const { return parent_; }

    const Bounds& bounds() const { return bounds_; }
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    void setBounds(const Bounds& b);
    void setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
    void setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
    void setWidth(int v) { setBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
    void setHeight(int v) { setBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    // Tooltip text.
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& h);

    const Font& font() const { return font_; }
    void setFont(const Font& f);

    // Keyboard focus: the model asks its peer; without one it only remembers the request.
    void setFocus();
    int focusRequests() const { return focusRequests_; }

    ControlPeer* peer() const { return peer_; }
    void attachPeer(ControlPeer* p) { peer_ = p; }

protected:
    void notify(Change what) {
        if (peer_) peer_->changed(what);
    }

private:
    std::string name_;
    Control* parent_;
    Bounds bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string hint_;
    Font font_;
    int focusRequests_ = 0;
    ControlPeer* peer_ = nullptr;
};

// A captioned control: buttons, tool buttons, panels.
class Button : public Control {
public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) {
        caption_ = c;
        notify(Change::Caption);
    }
    // The user's click (or a program's); runs OnClick.
    void click() {
        if (onClick) onClick();
    }
    Notify onClick;

private:
    std::string caption_;
};

using Panel = Control;

}  // namespace tesvar::ui
