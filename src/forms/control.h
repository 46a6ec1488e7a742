#pragma once
// The base of every control of the forms model: geometry in twips, visibility,
// tooltip, the event handlers and the observers that the view listens through.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/subscription.h"

namespace sahifex::forms {

class Form;
class Container;

enum class Kind { Label, TextBox, ListBox, ComboBox, CheckBox, CommandButton, PictureBox, Image,
                  Frame, Shape, Timer, Form };

// What changed, so that the view redraws only that.
enum class Change { Geometry, Visible, Text, Items, Selection, Value, Picture, Enabled, ToolTip,
                    Font, Interval, Repaint };

// Mouse buttons as the handlers see them: a bit each.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

struct MouseEvent {
    int button = 0; // the buttons held (or pressed), a bit each
    int shift = 0;
    double x = 0;   // twips, relative to the control
    double y = 0;
};

class Control {
public:
    Control(std::string name, Kind kind);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    virtual void setLeft(int v);
    virtual void setTop(int v);
    virtual void setWidth(int v);
    virtual void setHeight(int v);
    void move(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    const std::u16string& toolTipText() const { return toolTip_; }
    void setToolTipText(std::u16string v);
    int fontSize() const { return fontSize_; } // points
    virtual void setFontSize(int points);

    Container* parent() const { return parent_; }
    Form* form() const; // the form the control lies on, or nullptr
    // The control as a container of others, or nullptr when it holds none.
    virtual Container* asContainer() { return nullptr; }
    const Container* asContainer() const { return const_cast<Control*>(this)->asContainer(); }

    // Event handlers; an empty one does nothing.
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(int16_t& keyAscii)> KeyPress;
    std::function<void(const MouseEvent&)> MouseDown;
    std::function<void(const MouseEvent&)> MouseMove;
    std::function<void(const MouseEvent&)> MouseUp;

    // Runs a handler if it is set.
    void fireClick() { if (Click) Click(); }
    void fireDblClick() { if (DblClick) DblClick(); }
    void fireKeyPress(int16_t& key) { if (KeyPress) KeyPress(key); }

    // Gives this control the keyboard focus on its form.
    void SetFocus();

    using Observer = std::function<void(Control&, Change)>;
    // The observer is called after every change until the subscription is destroyed.
    Subscription observe(Observer o);

protected:
    void notify(Change c);

private:
    friend class Container;
    std::string name_;
    Kind kind_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::u16string toolTip_;
    int fontSize_ = 10;
    Container* parent_ = nullptr;
    // Shared with the subscriptions, which may outlive the control.
    struct Observers {
        std::map<unsigned, Observer> byId;
        unsigned nextId = 0;
    };
    std::shared_ptr<Observers> observers_ = std::make_shared<Observers>();
};

// A control that holds other controls (a form, a picture box, a frame).
// Children do not belong to it: the form object owns every control as a member.
class Container : public Control {
public:
    using Control::Control;
    void add(Control& child);
    Container* asContainer() override { return this; }
    const std::vector<Control*>& children() const { return children_; }

private:
    std::vector<Control*> children_;
};

} // namespace sahifex::forms
