#pragma once
// The tooltips of a form's controls: one tooltip window per form.

#include <string>

#include "os/windows_api.h"

namespace sahifex::view_win32 {

// Made once per form window, before its controls.
HWND createToolTips(HWND form);
// The tooltips of the form that the window lies on; nullptr when it has none.
HWND toolTipsOf(HWND window);
// The control window's tip; none when the text is empty.
void setToolTip(HWND control, const std::u16string& text);

} // namespace sahifex::view_win32
