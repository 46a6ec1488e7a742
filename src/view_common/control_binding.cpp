#include "view_common/control_binding.h"

#include "forms/form.h"

namespace sahifex::view_common {

using platform::runHandler;

ControlBinding::ControlBinding(forms::Control& control)
    : control_(control),
      subscription_(control.observe(
          [this](forms::Control&, forms::Change change) { applyFromModel(change); })) {}

void ControlBinding::applyFromModel(forms::Change change) {
    // A change may cause another while it is applied: the outer one is still applying.
    const bool outer = std::exchange(applying_, true);
    apply(change);
    applying_ = outer;
}

void ControlBinding::refresh() {
    if (clicksOnRelease() && control_.Click) showClickable();
    for (forms::Change change : {forms::Change::Font, forms::Change::Text, forms::Change::Items,
                                 forms::Change::Selection, forms::Change::Value,
                                 forms::Change::Picture, forms::Change::Enabled,
                                 forms::Change::ToolTip, forms::Change::Geometry,
                                 forms::Change::Visible})
        applyFromModel(change);
}

int16_t ControlBinding::keyCodeOf(char32_t character) {
    if (character == U'\t' || character == 127 || character > 0xFFFF) return 0;
    return static_cast<int16_t>(character);
}

ControlBinding::KeyOutcome ControlBinding::userTyped(int16_t& key) {
    if (!control_.KeyPress || key == 0) return KeyOutcome::Passed;
    const int16_t typed = key;
    runHandler([&] { control_.fireKeyPress(key); });
    if (key == typed) return KeyOutcome::Passed;
    return key == 0 ? KeyOutcome::Eaten : KeyOutcome::Replaced;
}

bool ControlBinding::userMouse(MouseAction action, const forms::MouseEvent& event, bool inside) {
    switch (action) {
    case MouseAction::Down:
        if (control_.MouseDown) runHandler([&] { control_.MouseDown(event); });
        break;
    case MouseAction::DoubleClick:
        // The second press of a double click is the double click, not a mouse-down; its
        // release is a mouse-up without a click.
        clickAfterDoubleClick_ = true;
        if (event.button == forms::LeftButton) runHandler([&] { control_.fireDblClick(); });
        break;
    case MouseAction::Up: {
        if (control_.MouseUp) runHandler([&] { control_.MouseUp(event); });
        const bool afterDouble = std::exchange(clickAfterDoubleClick_, false);
        if (clicksOnRelease() && !afterDouble && event.button == forms::LeftButton && inside)
            runHandler([&] { control_.fireClick(); });
        break;
    }
    case MouseAction::Move:
        if (control_.MouseMove) runHandler([&] { control_.MouseMove(event); });
        break;
    }
    return clicksOnRelease();
}

void ControlBinding::userChoseRow(forms::ListControl& list, int row) {
    if (row != list.listIndex()) fromUser([&] { list.setListIndex(row); });
}

void ControlBinding::userToggled(forms::CheckBox& box) {
    fromUser([&] { box.userClick(); });
    applyFromModel(forms::Change::Value);
}

void ControlBinding::userFocused() {
    // The model's own focus requests come back as focus events too: only a change is news.
    if (forms::Form* form = control_.form(); form && form->focused() != &control_)
        runHandler([&] { form->focusChangedByUser(&control_); });
}

} // namespace sahifex::view_common
