#pragma once

#include "platform/win32/windows_api.h"

namespace sahifex::view_win32 {

// A native control tells its parent window what the user did with it (WM_COMMAND): the
// form, a picture box and a frame hand it to the control's view. true when there was one.
bool routeCommand(WPARAM wParam, LPARAM lParam);

} // namespace sahifex::view_win32
