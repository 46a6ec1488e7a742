#include "forms/control.h"

#include "forms/form.h"
#include "forms/runtime_failure.h"

namespace sahifex::forms {

Control::Control(std::string name, Kind kind) : name_(std::move(name)), kind_(kind) {}

Subscription Control::observe(Observer o) {
    const unsigned id = observers_->nextId++;
    observers_->byId.emplace(id, std::move(o));
    std::weak_ptr<Observers> weak = observers_;
    return Subscription([weak, id] {
        if (auto observers = weak.lock()) observers->byId.erase(id);
    });
}

void Control::notify(Change c) {
    if (observers_->byId.empty()) return; // most controls have no view watching them
    // Observers may add or remove observers while they run: look each one up afresh,
    // and call only those that were there when the change began.
    const std::shared_ptr<Observers> keep = observers_;
    const unsigned end = keep->nextId;
    for (auto it = keep->byId.begin(); it != keep->byId.end() && it->first < end;) {
        const unsigned id = it->first;
        Observer observer = it->second; // a copy: the observer may remove itself
        observer(*this, c);
        it = keep->byId.upper_bound(id);
    }
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
