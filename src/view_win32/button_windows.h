#pragma once
// Check boxes and command buttons (BUTTON).

#include "forms/button_controls.h"
#include "view_win32/control_window.h"

namespace sahifex::view_win32 {

class CheckBoxWindow : public ControlWindow {
public:
    CheckBoxWindow(forms::CheckBox& box, HWND parent);
    void command(WORD code) override;

protected:
    void apply(forms::Change change) override;

private:
    forms::CheckBox& box_;
};

class CommandButtonWindow : public ControlWindow {
public:
    CommandButtonWindow(forms::CommandButton& button, HWND parent);
    void command(WORD code) override;

protected:
    void apply(forms::Change change) override;

private:
    forms::CommandButton& button_;
};

} // namespace sahifex::view_win32
