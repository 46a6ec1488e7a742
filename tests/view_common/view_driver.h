#pragma once
// What the behaviour suite of the views needs from one view: the native window of a
// form, the user's doings sent to its controls as the native system sends them, and
// what the native controls show. Each view's tests define makeViewDriver().

#include <memory>
#include <string>
#include <vector>

#include "forms/forms.h"

namespace sahifex::view_test {

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

enum class MouseStep { Press, Release, DoubleClickPress, Move };
enum class Key { Return, Backspace, Left, Down, Tab, ShiftTab };

class ViewDriver {
  public:
    virtual ~ViewDriver() = default;

    // Makes the native window of the form: a frameless window, or the floating bar.
    virtual void open(forms::Form& form, bool floatingBar = false) = 0;
    // Whether the window shows (waiting a moment for a window system that shows later).
    virtual bool windowShown() = 0;
    // The outer rectangle on the screen.
    virtual PixelRect windowRect() = 0;
    virtual std::u16string windowTitle() = 0;
    // The user moves and sizes the window; closes it.
    virtual void moveWindowByUser(const PixelRect& outer) = 0;
    virtual void closeByUser() = 0;

    // ---- the controls as drawn
    virtual bool drawn(const forms::Control& control) = 0;
    // The control whose native window holds the control's; nullptr for the form's.
    virtual const forms::Control* drawnInside(const forms::Control& control) = 0;
    // Among the native windows beside it, how many lie below the control's.
    virtual int stackPlace(const forms::Control& control) = 0;
    // In pixels of the container's client area.
    virtual PixelRect placeOf(const forms::Control& control) = 0;
    virtual bool shown(const forms::Control& control) = 0;
    virtual bool enabled(const forms::Control& control) = 0;
    virtual bool hasFocus(const forms::Control& control) = 0;
    virtual bool drawnInProgramFont(const forms::Control& control, int points) = 0;
    // The caption or text shown.
    virtual std::u16string textOf(const forms::Control& control) = 0;
    virtual std::u16string toolTipOf(const forms::Control& control) = 0;
    virtual std::vector<std::u16string> rowsOf(const forms::Control& list) = 0;
    virtual int selectedRowOf(const forms::Control& list) = 0;
    virtual bool checked(const forms::Control& box) = 0;
    // Whether the view has a drawing by this name.
    virtual bool drawsPicture(const std::string& name) = 0;

    // ---- the user
    // A mouse step at x, y pixels of the control; button: the one pressed or released
    // (forms::LeftButton ...); held: the buttons held after it.
    virtual void mouse(const forms::Control& control, MouseStep step, int x, int y, int button,
                       int held) = 0;
    // A left click at the middle of the control.
    void click(const forms::Control& control) {
        const PixelRect at = placeOf(control);
        mouse(control, MouseStep::Press, at.width / 2, at.height / 2, forms::LeftButton,
              forms::LeftButton);
        mouse(control, MouseStep::Release, at.width / 2, at.height / 2, forms::LeftButton, 0);
    }
    // Characters as a keyboard layout types them, Arabic letters included.
    virtual void type(const forms::Control& control, const std::u16string& text) = 0;
    virtual void press(const forms::Control& control, Key key) = 0;
    virtual void clickRow(const forms::Control& list, int row) = 0;
    // The user puts the focus on the control (a click, say).
    virtual void focusByUser(const forms::Control& control) = 0;
};

std::unique_ptr<ViewDriver> makeViewDriver();

} // namespace sahifex::view_test
