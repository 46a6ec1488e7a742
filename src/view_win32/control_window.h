#pragma once
// Binds one control of the forms model to the native window that draws it: draws the
// model's changes in the window; its native input (NativeInput) and the notifications
// that its container routes to it reach the binding, which runs the control's handlers.

#include "os/windows_api.h"
#include "view_common/control_binding.h"
#include "view_win32/native_input.h"

namespace sahifex::view_win32 {

class ControlWindow : public view_common::ControlBinding {
public:
    // window: made by the subclass for this control, a child of its container's window.
    ControlWindow(forms::Control& control, HWND window);
    ~ControlWindow() override;

    HWND handle() const { return window_; }
    HWND native() const { return window_; }
    // The view of a window that one of these made, or nullptr.
    static ControlWindow* of(HWND window);
    // The dots per inch of the monitor the control's window is on, and the program's font
    // at the control's size there.
    int dpi() const;
    HFONT font() const;

    // A notification of the native control (WM_COMMAND's code), from its container.
    virtual void command(WORD /*code*/) {}
    // Draws one row of an owner-drawn control; false when the control draws its own.
    virtual bool drawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }

protected:
    // The changes every kind of control shares: geometry, visibility, font ...
    void apply(forms::Change change) override;
    // The height of the native window for the control's height (a combo box's includes
    // its drop-down list).
    virtual int windowHeight(int controlHeight) const { return controlHeight; }

private:
    HWND window_;
    NativeInput input_;
};

} // namespace sahifex::view_win32
