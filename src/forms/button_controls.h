#pragma once
// Controls with a Value: CheckBox and CommandButton.

#include "forms/control.h"

namespace sahifex::forms {

// Value 0 (not ticked) or 1 (ticked). Setting a new value runs Click at once,
// before the setter returns; so does the user's click, after toggling.
class CheckBox : public Control {
public:
    explicit CheckBox(std::string name) : Control(std::move(name), Kind::CheckBox) {}
    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string v);
    int value() const { return value_; }
    void setValue(int v);
    void userClick() { setValue(value_ == 1 ? 0 : 1); }

private:
    std::u16string caption_;
    int value_ = 0;
};

// Setting Value to true runs Click at once; the value reads false again afterwards.
class CommandButton : public Control {
public:
    explicit CommandButton(std::string name) : Control(std::move(name), Kind::CommandButton) {}
    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string v);
    bool value() const { return pressing_; }
    void setValue(bool v);

private:
    std::u16string caption_;
    bool pressing_ = false;
};

} // namespace sahifex::forms
