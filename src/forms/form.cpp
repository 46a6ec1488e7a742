#include "forms/form.h"

#include "forms/runtime_failure.h"

namespace sahifex::forms {

Form::Form(std::string name) : Container(std::move(name), Kind::Form) { setVisible(false); }

void Form::setCaption(std::u16string v) {
    caption_ = std::move(v);
    notify(Change::Text);
}

void Form::setWindowState(int s) {
    if (s < Normal || s > Maximized) throw RuntimeFailure(name() + ": invalid WindowState");
    if (windowState_ == s) return;
    windowState_ = s;
    notify(Change::Geometry);
}

void Form::Show() {
    setVisible(true);
    if (onActivateRequest) onActivateRequest();
}

void Form::focus(Control& c) {
    for (const Control* p = &c; p; p = p->parent()) {
        if (!p->visible() || !p->enabled())
            throw RuntimeFailure("cannot move the focus to " + c.name() +
                                 ": it or its window is hidden or disabled");
    }
    if (focused_ != &c) focusChangedByUser(&c);
    if (onFocusRequest) onFocusRequest(c);
}

void Form::focusChangedByUser(Control* c) {
    if (focused_ == c) return;
    Control* old = focused_;
    focused_ = c;
    if (old && old->LostFocus) old->LostFocus();
    if (c && focused_ == c && c->GotFocus) c->GotFocus();
}

bool Form::userClose() {
    int16_t cancel = 0;
    if (Unload) Unload(cancel);
    if (cancel != 0) return false;
    focusChangedByUser(nullptr);
    Hide();
    return true;
}

std::vector<Control*> Form::allControls() const {
    std::vector<Control*> out;
    // Depth first, in the order the children were added.
    std::function<void(const Container&)> walk = [&](const Container& c) {
        for (Control* child : c.children()) {
            out.push_back(child);
            if (const Container* inner = child->asContainer()) walk(*inner);
        }
    };
    walk(*this);
    return out;
}

} // namespace sahifex::forms
