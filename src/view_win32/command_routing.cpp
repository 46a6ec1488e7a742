#include "view_win32/command_routing.h"

#include "view_win32/control_window.h"

namespace sahifex::view_win32 {

bool routeCommand(WPARAM wParam, LPARAM lParam) {
    ControlWindow* view = ControlWindow::of(reinterpret_cast<HWND>(lParam));
    if (!view) return false;
    view->command(HIWORD(wParam));
    return true;
}

} // namespace sahifex::view_win32
