#pragma once
// What every view does with a form itself: follows the form's own changes, answers its
// requests to move the focus and to activate the window, and hands the user's closing
// of the window to the form. The floating bar is never activated and cannot be closed:
// it is the way left to end the program.

#include "forms/form.h"

namespace sahifex::view_common {

class FormBinding {
public:
    FormBinding(forms::Form& form, bool floatingBar);
    virtual ~FormBinding();
    FormBinding(const FormBinding&) = delete;
    FormBinding& operator=(const FormBinding&) = delete;

    forms::Form& form() const { return form_; }

    // The user closes the window: the form runs its unload handling and hides, or not.
    void userClosed();

protected:
    // Starts following the form, once the view's window and its controls are made.
    void bind();
    // Stops following it: the first thing a view's destructor does.
    void unbind();
    // One change of the form itself (its rectangle, visibility, caption, a repaint).
    virtual void applyForm(forms::Change change) = 0;
    // The native focus to the control's window; a control that draws nothing has none.
    virtual void focusControl(forms::Control& control) = 0;
    // Brings the shown window to the front, with the keyboard.
    virtual void raiseAndActivate() = 0;
    bool floatingBar() const { return floatingBar_; }

private:
    forms::Form& form_;
    const bool floatingBar_;
    forms::Subscription subscription_;
};

} // namespace sahifex::view_common
