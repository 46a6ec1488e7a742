#pragma once
// The native window that draws one form. It walks the form's controls and makes one
// window for each, nested in their containers in the order they were added (later ones
// on top), and keeps the window itself in step with the form: the form's Left, Top,
// Width and Height are the outer rectangle; the user's moves and resizes flow back.

#include <functional>

#include "platform/win32/window_registry.h"
#include "view_common/control_views.h"
#include "view_common/form_binding.h"
#include "view_win32/control_window.h"

namespace sahifex::view_win32 {

enum class WindowStyle {
    Frameless,   // a window with a thin border and no caption; sizable by its border
    FloatingBar, // above the others, never takes the focus
};

class FormWindow : public view_common::FormBinding {
public:
    FormWindow(forms::Form& form, WindowStyle style, platform::win32::WindowRegistry& windows);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND handle() const { return window_; }
    // The window that draws a control of the form; nullptr for one that draws nothing.
    HWND windowOf(const forms::Control& control) const;
    // Runs right before the window is shown (to note which window had the focus).
    std::function<void()> beforeShow;

protected:
    void applyForm(forms::Change change) override;
    void focusControl(forms::Control& control) override;
    void raiseAndActivate() override;

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    bool onMessage(UINT message, WPARAM, LPARAM, LRESULT& result);
    void applyGeometry();
    // The window's outer rectangle in pixels for the form's Left, Top, Width and Height.
    RECT outerRectOfForm() const;
    // The window moved to a monitor of another DPI (or the user changed its scale).
    void followDpi(const RECT& suggested);
    void applyVisible();
    void takeWindowGeometry();
    void takeWindowState(WPARAM sizeKind);
    // Where a point on the border of a sizable window resizes it (HTNOWHERE: nowhere).
    LRESULT borderHit(LPARAM at) const;

    forms::Form& form_;
    WindowStyle style_;
    platform::win32::WindowRegistry& windows_;
    HWND window_ = nullptr;
    view_common::ControlViews<ControlWindow, HWND> views_;
    bool applying_ = false; // the window follows the form: what it reports is an echo
};

} // namespace sahifex::view_win32
