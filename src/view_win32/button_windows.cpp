#include "view_win32/button_windows.h"

#include "platform/win32/program_font.h"
#include "view_win32/child_window.h"

namespace sahifex::view_win32 {

using os::wide;

// The box on the right, the caption reading from the right.
CheckBoxWindow::CheckBoxWindow(forms::CheckBox& box, HWND parent)
    : ControlWindow(box, createChild(L"BUTTON", WS_TABSTOP | BS_CHECKBOX | BS_RIGHTBUTTON | BS_RIGHT,
                                     WS_EX_RTLREADING, parent)),
      box_(box) {}

void CheckBoxWindow::command(WORD code) {
    if (code == BN_CLICKED) userToggled(box_);
}

void CheckBoxWindow::apply(forms::Change change) {
    switch (change) {
    case forms::Change::Text:
        SetWindowTextW(handle(), wide(box_.caption()));
        [[fallthrough]];
    case forms::Change::Font:
        SendMessageW(handle(), WM_SETFONT,
                     reinterpret_cast<WPARAM>(
                         platform::win32::fontFor(box_.caption(), box_.fontSize(), dpi())),
                     TRUE);
        break;
    case forms::Change::Value:
        SendMessageW(handle(), BM_SETCHECK,
                     box_.value() == 1   ? BST_CHECKED
                     : box_.value() == 2 ? BST_INDETERMINATE
                                         : BST_UNCHECKED,
                     0);
        break;
    default: ControlWindow::apply(change);
    }
}

CommandButtonWindow::CommandButtonWindow(forms::CommandButton& button, HWND parent)
    : ControlWindow(button, createChild(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON,
                                        WS_EX_RTLREADING, parent)),
      button_(button) {}

void CommandButtonWindow::command(WORD code) {
    if (code == BN_CLICKED) fromUser([&] { button_.fireClick(); });
}

void CommandButtonWindow::apply(forms::Change change) {
    if (change == forms::Change::Text)
        SetWindowTextW(handle(), wide(button_.caption()));
    else
        ControlWindow::apply(change);
}

} // namespace sahifex::view_win32
