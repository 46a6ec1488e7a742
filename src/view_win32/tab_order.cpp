#include "view_win32/tab_order.h"

namespace sahifex::view_win32 {

void moveFocusByTab(HWND from, bool backwards) {
    // Each control is created above the ones before it, so the dialog manager's "previous"
    // (the window above) is the next control in the form's order. Hidden and disabled
    // controls, and those that take no focus (no WS_TABSTOP), are passed over.
    HWND form = GetAncestor(from, GA_ROOT);
    if (HWND next = GetNextDlgTabItem(form, from, backwards ? FALSE : TRUE); next && next != from)
        SetFocus(next);
}

} // namespace sahifex::view_win32
