#include "view_win32/control_window_factory.h"

#include "view_common/control_views.h"
#include "view_win32/button_windows.h"
#include "view_win32/list_windows.h"
#include "view_win32/picture_windows.h"
#include "view_win32/text_windows.h"

namespace sahifex::view_win32 {

namespace {

// The native window of each kind of control.
struct Win32Views {
    using Label = LabelWindow;
    using TextBox = TextBoxWindow;
    using ListBox = ListBoxWindow;
    using ComboBox = ComboBoxWindow;
    using CheckBox = CheckBoxWindow;
    using CommandButton = CommandButtonWindow;
    using PictureBox = PictureBoxWindow;
    using Image = ImageWindow;
    using Frame = FrameWindow;
    using Shape = ShapeWindow;
};

} // namespace

std::unique_ptr<ControlWindow> makeControlWindow(forms::Control& control, HWND parent) {
    return view_common::makeViewOf<Win32Views, ControlWindow>(control, parent);
}

} // namespace sahifex::view_win32
