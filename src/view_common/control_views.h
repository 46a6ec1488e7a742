#pragma once
// The views of a form's controls: one for each control that draws something, made by the
// one switch on the kinds of control, nested in the native windows of their containers
// in the order they were added (later ones on top).

#include <map>
#include <memory>
#include <vector>

#include "forms/forms.h"

namespace sahifex::view_common {

namespace detail {
template <class ConcreteView, class ConcreteControl, class Parent>
std::unique_ptr<ConcreteView> construct(forms::Control& control, Parent parent) {
    return std::make_unique<ConcreteView>(static_cast<ConcreteControl&>(control), parent);
}
} // namespace detail

// Makes the view that Views names for the control's kind (Views::Label, Views::TextBox
// ...), a child of parent; nothing for a timer or a form, which draw nothing here.
template <class Views, class View, class Parent>
std::unique_ptr<View> makeViewOf(forms::Control& control, Parent parent) {
    using namespace forms;
    using detail::construct;
    switch (control.kind()) {
    case Kind::Label: return construct<typename Views::Label, Label>(control, parent);
    case Kind::TextBox: return construct<typename Views::TextBox, TextBox>(control, parent);
    case Kind::ListBox: return construct<typename Views::ListBox, ListBox>(control, parent);
    case Kind::ComboBox: return construct<typename Views::ComboBox, ComboBox>(control, parent);
    case Kind::CheckBox: return construct<typename Views::CheckBox, CheckBox>(control, parent);
    case Kind::CommandButton:
        return construct<typename Views::CommandButton, CommandButton>(control, parent);
    case Kind::PictureBox:
        return construct<typename Views::PictureBox, PictureBox>(control, parent);
    case Kind::Image: return construct<typename Views::Image, Image>(control, parent);
    case Kind::Frame: return construct<typename Views::Frame, Frame>(control, parent);
    case Kind::Shape: return construct<typename Views::Shape, Shape>(control, parent);
    case Kind::Timer:
    case Kind::Form: return nullptr;
    }
    return nullptr;
}

// View: a ControlBinding with native(), the native window or widget that draws it.
template <class View, class Native>
class ControlViews {
public:
    ControlViews() = default;
    ControlViews(const ControlViews&) = delete;
    ControlViews& operator=(const ControlViews&) = delete;
    // The views inside a container's native window go before the container's.
    ~ControlViews() { clear(); }

    // Views of the container's controls inside parent; make(control, parent) makes one
    // or nothing. The views draw the controls' present state.
    template <class Make>
    void build(const forms::Container& container, Native parent, const Make& make) {
        add(container, parent, make);
        refresh();
    }
    // Every view draws its control's present state again (the screen's scale changed).
    void refresh() {
        for (auto& view : views_) view->refresh();
    }
    // The native window or widget of a control; a null one for a control that draws nothing.
    Native nativeOf(const forms::Control& control) const {
        const auto found = viewOf_.find(&control);
        return found == viewOf_.end() ? Native{} : found->second->native();
    }
    void clear() {
        viewOf_.clear();
        while (!views_.empty()) views_.pop_back();
    }

private:
    template <class Make>
    void add(const forms::Container& container, Native parent, const Make& make) {
        for (forms::Control* child : container.children()) {
            std::unique_ptr<View> view = make(*child, parent);
            if (!view) continue;
            const Native native = view->native();
            viewOf_[child] = view.get();
            views_.push_back(std::move(view));
            if (const forms::Container* inner = child->asContainer()) add(*inner, native, make);
        }
    }

    std::vector<std::unique_ptr<View>> views_;
    std::map<const forms::Control*, View*> viewOf_;
};

} // namespace sahifex::view_common
