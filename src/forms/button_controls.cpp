#include "forms/button_controls.h"

#include "forms/runtime_failure.h"

namespace sahifex::forms {

void CheckBox::setCaption(std::u16string v) {
    caption_ = std::move(v);
    notify(Change::Text);
}

void CheckBox::setValue(int v) {
    if (v < 0 || v > 2) throw RuntimeFailure("CheckBox " + name() + ": invalid value");
    if (v == value_) return;
    value_ = v;
    notify(Change::Value);
    fireClick();
}

void CommandButton::setCaption(std::u16string v) {
    caption_ = std::move(v);
    notify(Change::Text);
}

void CommandButton::setValue(bool v) {
    if (!v) return;
    // The value reads true while the click runs, and false again once it is over,
    // also when the click ends in a failure.
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{pressing_};
    pressing_ = true;
    fireClick();
}

} // namespace sahifex::forms
