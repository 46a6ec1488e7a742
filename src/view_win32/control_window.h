#pragma once
// Binds one control of the forms model to the native window that draws it: applies every
// change of the model to the window, and forwards what the user does there (mouse, keys,
// focus, the control's own notifications) to the control's handlers. Applying a change
// never echoes back into the model.

#include "forms/control.h"
#include "platform/win32/windows_api.h"

namespace sahifex::view_win32 {

class ControlWindow {
public:
    // window: made by the subclass for this control, a child of its container's window.
    ControlWindow(forms::Control& control, HWND window);
    virtual ~ControlWindow();
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    forms::Control& control() const { return control_; }
    HWND handle() const { return window_; }
    // The view of a window that one of these made, or nullptr.
    static ControlWindow* of(HWND window);

    // Draws the control's whole present state.
    void refresh();
    // A notification of the native control (WM_COMMAND's code), from its container.
    virtual void command(WORD /*code*/) {}

protected:
    // Applies one change of the model; subclasses handle their own kinds of change and
    // pass the rest on.
    virtual void apply(forms::Change change);
    // Labels, images and picture boxes run Click on a left button release over them;
    // buttons and lists have their own notifications for it.
    virtual bool clicksOnRelease() const { return false; }
    // The height of the native window for the control's height (a combo box's includes
    // its drop-down list).
    virtual int windowHeight(int controlHeight) const { return controlHeight; }
    // Whether a change is being applied: the native notifications it causes are echoes.
    bool applying() const { return applying_; }

private:
    void applyToolTip();
    static LRESULT CALLBACK subclassProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    bool forwardMouse(UINT message, WPARAM, LPARAM);
    bool forwardKey(WPARAM& character);

    forms::Control& control_;
    HWND window_;
    forms::Subscription subscription_;
    bool applying_ = false;
    bool clickAfterDoubleClick_ = false;
    bool capturedMouse_ = false;
};

// Creates a child window of a class with the program's right-to-left reading order.
HWND createChild(const wchar_t* windowClass, DWORD style, DWORD extendedStyle, HWND parent);

// The tooltips of a form's controls: made once per form window, before its controls.
HWND createToolTips(HWND form);
// The tooltips of the form that the window lies on; nullptr when it has none.
HWND toolTipsOf(HWND window);

// Tab and Shift+Tab: the focus to the next or previous control of the form that takes
// it, inside picture boxes and frames too.
void moveFocusByTab(HWND from, bool backwards);

// Hands a WM_COMMAND from a child to the child's view; true when there was one.
bool routeCommand(WPARAM wParam, LPARAM lParam);

} // namespace sahifex::view_win32
