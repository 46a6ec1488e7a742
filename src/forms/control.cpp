#include "forms/control.h"

#include "forms/form.h"
#include "forms/runtime_failure.h"

namespace sahifex::forms {

Control::Control(std::string name, Kind kind) : name_(std::move(name)), kind_(kind) {}

void Control::notify(Change c) {
    // Observers may add observers; index the vector instead of iterating it.
    for (size_t i = 0; i < observers_.size(); ++i) observers_[i](*this, c);
}

void Control::setLeft(int v) { if (left_ != v) { left_ = v; notify(Change::Geometry); } }
void Control::setTop(int v) { if (top_ != v) { top_ = v; notify(Change::Geometry); } }
void Control::setWidth(int v) { if (width_ != v) { width_ = v; notify(Change::Geometry); } }
void Control::setHeight(int v) { if (height_ != v) { height_ = v; notify(Change::Geometry); } }

void Control::move(int left, int top, int width, int height) {
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    notify(Change::Visible);
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    notify(Change::Enabled);
}

void Control::setToolTipText(std::u16string v) {
    toolTip_ = std::move(v);
    notify(Change::ToolTip);
}

void Control::setFontSize(int points) {
    if (fontSize_ == points) return;
    fontSize_ = points;
    notify(Change::Font);
}

Form* Control::form() const {
    const Control* c = this;
    while (c->parent_) c = c->parent_;
    return c->kind_ == Kind::Form ? static_cast<Form*>(const_cast<Control*>(c)) : nullptr;
}

void Control::SetFocus() {
    Form* f = form();
    if (!f) throw RuntimeFailure("SetFocus: " + name_ + " lies on no form");
    f->focus(*this);
}

void Container::add(Control& child) {
    child.parent_ = this;
    children_.push_back(&child);
}

} // namespace sahifex::forms
