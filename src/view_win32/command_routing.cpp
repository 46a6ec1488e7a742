#include "view_win32/command_routing.h"

#include "view_win32/control_window.h"

namespace sahifex::view_win32 {

bool routeToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND) {
        ControlWindow* view = ControlWindow::of(reinterpret_cast<HWND>(lParam));
        if (!view) return false;
        view->command(HIWORD(wParam));
        result = 0;
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        ControlWindow* view = ControlWindow::of(item.hwndItem);
        if (!view || !view->drawItem(item)) return false;
        result = TRUE;
        return true;
    }
    return false;
}

} // namespace sahifex::view_win32
