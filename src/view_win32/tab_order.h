#pragma once

#include "os/windows_api.h"

namespace sahifex::view_win32 {

// Tab and Shift+Tab: the focus to the next or previous control of the form that takes
// it, inside picture boxes and frames too.
void moveFocusByTab(HWND from, bool backwards);

} // namespace sahifex::view_win32
