#pragma once
// Makes the native window for one control of the forms model.

#include <memory>

#include "view_win32/control_window.h"

namespace sahifex::view_win32 {

// nullptr for a control that draws nothing (a timer).
std::unique_ptr<ControlWindow> makeControlWindow(forms::Control& control, HWND parent);

} // namespace sahifex::view_win32
