#pragma once

#include "os/windows_api.h"

namespace sahifex::view_win32 {

// A native control tells its parent window what the user did with it (WM_COMMAND), or
// asks it to draw one of its rows (WM_DRAWITEM, from an owner-drawn list): the form, a
// picture box and a frame hand both to the control's view. true when a view took it;
// result: what the parent's procedure returns then.
bool routeToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

} // namespace sahifex::view_win32
