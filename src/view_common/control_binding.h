#pragma once
// What every view does with one control of the model, whatever draws it. The model's
// changes reach the native control (a whole refresh in one fixed order) and never echo
// back into the model; what the user does there (keys, mouse, focus, the control's own
// notifications) runs the control's handlers. A view only draws and translates its
// native events into the calls below.

#include <cstdint>
#include <utility>

#include "forms/button_controls.h"
#include "forms/control.h"
#include "forms/list_controls.h"
#include "platform/handler_guard.h"

namespace sahifex::view_common {

class ControlBinding {
public:
    explicit ControlBinding(forms::Control& control);
    virtual ~ControlBinding() = default;
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;

    forms::Control& control() const { return control_; }

    // Draws the control's whole present state.
    void refresh();

    // ---- what the user did, as the view translated it

    // The key code the handlers see for a typed character: its code unit; 0 for a key
    // they do not look at (Tab, Delete, a character beyond one code unit).
    static int16_t keyCodeOf(char32_t character);
    enum class KeyOutcome {
        Passed,   // the character goes on to the native control as typed
        Eaten,    // the handler discarded it
        Replaced, // the handler typed key in its place
    };
    // A typed character, by its key code; KeyPress may change it.
    KeyOutcome userTyped(int16_t& key);

    enum class MouseAction { Down, Up, DoubleClick, Move };
    // A mouse event on the control; inside: whether a release happened over it. Returns
    // whether the control keeps the event to itself (a label, image or picture box:
    // what it receives does not pass on to the container beneath).
    bool userMouse(MouseAction action, const forms::MouseEvent& event, bool inside = true);

    // The native control took the keyboard focus.
    void userFocused();

    // The user chose a row of a list or combo box: the model selects it, and runs Click,
    // when it is a new one.
    void userChoseRow(forms::ListControl& list, int row);
    // The user clicked a check box: it toggles, and the native box shows the model's
    // value once the handlers ran (a Click handler may set it back).
    void userToggled(forms::CheckBox& box);

    // Runs a handler for a native notification; those that the view's own changes cause
    // are echoes and run nothing.
    template <class Handler>
    void fromUser(Handler&& handler) {
        if (!applying_) platform::runHandler(std::forward<Handler>(handler));
    }

protected:
    // Applies one change of the model to the native control; subclasses handle their own
    // kinds of change and pass the rest on.
    virtual void apply(forms::Change change) = 0;
    // Labels, images and picture boxes run Click on a left button release over them;
    // buttons and lists have their own native notifications for it.
    virtual bool clicksOnRelease() const { return false; }
    // Shows that a click on the control does something (a pointing hand).
    virtual void showClickable() {}
    // Applies a change as the model's: the native notifications it causes are echoes.
    void applyFromModel(forms::Change change);
    // Stops following the model: the first thing a view's destructor does.
    void unbind() { subscription_.reset(); }

private:
    forms::Control& control_;
    forms::Subscription subscription_;
    bool applying_ = false;
    bool clickAfterDoubleClick_ = false;
};

// The model only appends single items to a list or clears it whole: a native list that
// shows one item fewer than the model misses the model's last item, added.
inline bool oneItemAppended(int modelCount, int shownCount) { return modelCount == shownCount + 1; }

} // namespace sahifex::view_common
