#pragma once

#include "os/windows_api.h"

namespace sahifex::view_win32 {

// Creates the child window of one control, of a window class, above the children made
// before it (later controls lie above earlier ones).
HWND createChild(const wchar_t* windowClass, DWORD style, DWORD extendedStyle, HWND parent);

} // namespace sahifex::view_win32
