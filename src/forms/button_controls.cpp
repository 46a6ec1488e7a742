#include "forms/button_controls.h"

#include "forms/runtime_failure.h"
#include "forms/scoped_flag.h"

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
    // The value reads true while the click runs, and false again once it is over.
    const ScopedFlag pressing(pressing_);
    fireClick();
}

} // namespace sahifex::forms
