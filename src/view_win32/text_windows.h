#pragma once
// Labels (STATIC) and text boxes (EDIT).

#include "forms/text_controls.h"
#include "view_win32/control_window.h"

namespace sahifex::view_win32 {

class LabelWindow : public ControlWindow {
public:
    LabelWindow(forms::Label& label, HWND parent);

protected:
    void apply(forms::Change change) override;
    bool clicksOnRelease() const override { return true; }

private:
    forms::Label& label_;
};

class TextBoxWindow : public ControlWindow {
public:
    TextBoxWindow(forms::TextBox& box, HWND parent);
    void command(WORD code) override;

protected:
    void apply(forms::Change change) override;

private:
    forms::TextBox& box_;
};

// The text of a native window.
std::u16string windowText(HWND window);

} // namespace sahifex::view_win32
